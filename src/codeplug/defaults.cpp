#include "codeplug/defaults.h"

#include <string>

#include "codeplug/channel_slots.h"

namespace zb {
namespace {

// Stored forms (Hz as decimal digits) of 28.015000, 28.145000, 28.115000, 28.085000, 28.055000
// and 28.025000 MHz.
constexpr const char* kGroupFrequencies[6] = {"28015000", "28145000", "28115000",
                                              "28085000", "28055000", "28025000"};

void DefaultGroupsAndChannels(Codeplug& doc) {
    CodeplugData& d = doc.Data;
    for (int g = 0; g < kGroupCount; ++g) {
        d.Groups[g].ChannelCount = 0;
        d.Groups[g].Name.Set("BAND" + std::to_string(g + 1));
        d.Groups[g].Valid = 1;
    }
    for (int g = 0; g < kGroupCount; ++g)
        AppendChannel(doc, g, 1, g < 6 ? kGroupFrequencies[g] : kGroupFrequencies[0]);
    d.VfoAValid = d.VfoBValid = 1;
    AppendChannel(doc, kVfoAGroup, 1, kVfoStartFreq);
    AppendChannel(doc, kVfoBGroup, 1, kVfoStartFreq);
}

void DefaultOptionSettings(CodeplugData& data) {
    OptionSettingsRecord& s = data.OptionSettings;
    OptionFeaturesRecord& f = s.OptionFeatures;
    f.Tot = 2;
    f.FineTuneRange = 1;
    f.FineTuneMode = 0;
    f.CoarseStep = 0;
    f.Beep = 1;
    f.CwSideTone = 105;
    f.ScanResume = 0;
    f.LcdDisplay = 0;
    f.BacklightLoopTime = 3;
    f.SwrProtect = 200;
    f.BatteryMin = 110;
    f.BatteryMax = 160;
    f.SingleChangeData = 0;
    f.SingleChangeRxTx = 0;
    f.Plus10kHz = 0;
    f.Tsq = 0;
    f.Busy = 0;
    f.Asq = 0;
    f.ScanMode = 0;
    f.FmSqDelay = 9;
    f.AmSqDelay = 9;
    f.CwSsbSqDelay = 9;
    f.Dim = 0;
    f.BacklightColor = 1;
    f.PowerOnText.Set(std::string(1, '\0'));
    f.GroupChange = 0;

    s.KeyAssignment = {255, 10};
    s.ScanInfo = {0, 255, 31, 51, 1, 3, 3};

    DtmfSettingsRecord& t = s.DtmfSettings;
    t.DtmfSpeed = 0;
    t.FirstDigitTime = 0;
    t.FirstDigitDelay = 10;
    t.StarHashTone = 0;
    t.DCodeAssignment = 0;
    t.DtmfSideTone = 1;
    t.IdCode.Set("000");
    t.GroupCode = 0;
    t.AutoResetTimer = 10;
    t.CallAlert = 0;
    t.Transpond = 0;
    t.ClearToTranspond = 0;
    t.StunCode.Set("");
    t.StunType = 0;
    s.DtmfMemoryCount = 0;

    s.FleetSyncSettings = {255, 0, 0, 400, 10, 1};
    s.FleetSyncStatusCount = 0;

    s.EmbeddedMessage.MessageLine1.Set(std::string(1, '\0'));
    s.EmbeddedMessage.MessageLine2.Set(std::string(1, '\0'));
    s.ResetSelect = {1, 1, 11, 1};
}

// Frequencies in Hz and lengths in ms, stored divided by 10; 0 Hz is a pause.
struct Beep {
    int hz, ms;
};

void SetBeep(RogerBeepRecord& r, std::initializer_list<Beep> tones) {
    r = RogerBeepRecord{};
    int k = 0;
    for (const Beep& b : tones) {
        r.Tone[k].ToneFreq = static_cast<int16_t>(b.hz / 10);
        r.Tone[k].ToneLength = static_cast<int16_t>(b.ms / 10);
        ++k;
    }
    r.RecycleTimes = 1;
    r.InterTime = 0;
}

void DefaultRogerBeeps(CodeplugData& data) {
    auto& rb = data.RogerBeepTones;
    SetBeep(rb[0], {{2100, 100}, {0, 100}, {2100, 100}, {0, 100}, {2100, 100}, {0, 100}, {2100, 100}});
    SetBeep(rb[1], {{800, 40}, {0, 40}, {800, 40}, {0, 40}, {800, 40}, {0, 40}, {800, 40},
                    {0, 40}, {800, 40}, {0, 40}, {800, 40}, {0, 40}, {800, 40}, {0, 40}});
    SetBeep(rb[2], {{1700, 30}, {900, 30}, {1700, 30}, {900, 30}, {1700, 30}, {900, 30}, {1700, 30}});
    SetBeep(rb[3], {{640, 60}, {940, 60}, {1340, 60}, {1630, 60}, {1920, 60}});
    SetBeep(rb[4], {{1500, 200}, {700, 200}, {1500, 200}, {700, 200}, {1500, 200}, {700, 200}});
    for (int t = 5; t < kRogerBeepCount; ++t) rb[t] = RogerBeepRecord{};
}

void DefaultModelInfo(CodeplugData& data, const Identity& identity, const CalendarDate& today) {
    ModelInfoRecord& m = data.ModelInfo;
    m.ModelType.Set(identity.ModelName + std::string(1, '\0'));
    m.RadioBandCode = static_cast<int16_t>(BandCodeOf(identity.BandText));
    m.ModelLetter = 'C';
    m.SerialNumber.Set(CompactDate(today));
    m.VersionText.Set("V1.00");
}

void DefaultRmg(RmgDataRecord& r, const CalendarDate& today) {
    const std::string date = ShortDate(today);
    r.AreaCode.clear();
    r.SerialNo = CompactDate(today) + "00000001";
    r.ProducedDate = r.MaintainedDate = r.StockDate = r.SellDate = date;
    r.ManufactureCode = CompactDate(today).substr(4, 2) + "-1-E-1";
    r.UserCode = "001A";
    r.MaintainedReason.clear();
    r.DealerCode.clear();
    r.Seller.clear();
    r.FirmwareVersion = "V2.00";
}

}  // namespace

void ApplyDefaults(Codeplug& doc, RmgDataRecord& rmg, const Identity& identity,
                   const CalendarDate& today) {
    doc.Data.Version.Set("V200");
    doc.Data.CurrentGroup = 0;
    DefaultGroupsAndChannels(doc);
    DefaultOptionSettings(doc.Data);
    DefaultRogerBeeps(doc.Data);
    DefaultModelInfo(doc.Data, identity, today);
    DefaultRmg(rmg, today);
}

}  // namespace zb
