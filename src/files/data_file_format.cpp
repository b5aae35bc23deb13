#include "files/data_file_format.h"

#include <cstdint>
#include <cstring>

namespace zb {
namespace {

// One field list serves writing and reading: Visit(io, record) calls io.Field on every field in
// file order, so the two directions cannot drift apart.
struct Writer {
    std::string out;
    void Field(const int16_t& v) {
        const auto u = static_cast<uint16_t>(v);
        out.push_back(static_cast<char>(u & 0xFF));
        out.push_back(static_cast<char>(u >> 8));
    }
    void Field(const int32_t& v) {
        const auto u = static_cast<uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((u >> shift) & 0xFF));
    }
    template <std::size_t N>
    void Field(const FixedText<N>& t) {
        out.append(t.bytes.data(), N);
    }
};

struct Reader {
    std::string_view in;
    std::size_t pos = 0;
    uint8_t Byte() { return static_cast<uint8_t>(in[pos++]); }
    void Field(int16_t& v) {
        uint16_t u = Byte();
        u = static_cast<uint16_t>(u | (Byte() << 8));
        v = static_cast<int16_t>(u);
    }
    void Field(int32_t& v) {
        uint32_t u = 0;
        for (int shift = 0; shift < 32; shift += 8) u |= static_cast<uint32_t>(Byte()) << shift;
        v = static_cast<int32_t>(u);
    }
    template <std::size_t N>
    void Field(FixedText<N>& t) {
        std::memcpy(t.bytes.data(), in.data() + pos, N);
        pos += N;
    }
};

template <class Io, class C>
void VisitChannel(Io& io, C& c) {
    io.Field(c.ChNo);
    io.Field(c.Valid);
    io.Field(c.RxFreq);
    io.Field(c.TxFreq);
    io.Field(c.Scan);
    io.Field(c.DecTone);
    io.Field(c.EncTone);
    io.Field(c.Plus10k);
    io.Field(c.TsqFlag);
    io.Field(c.BusyFlag);
    io.Field(c.RbTone);
    io.Field(c.RbLock);
    io.Field(c.RepEnable);
    io.Field(c.RepShift);
    io.Field(c.Spare1);
    io.Field(c.Spare2);
}

template <class Io, class D>
void VisitData(Io& io, D& d) {
    io.Field(d.Version);
    io.Field(d.CurrentGroup);
    for (auto& g : d.Groups) {
        io.Field(g.ChannelCount);
        io.Field(g.Name);
        io.Field(g.Valid);
    }
    VisitChannel(io, d.VfoA);
    io.Field(d.VfoAValid);
    VisitChannel(io, d.VfoB);
    io.Field(d.VfoBValid);

    auto& m = d.ModelInfo;
    io.Field(m.ModelName);
    io.Field(m.Flag);
    io.Field(m.BandCode);
    io.Field(m.SerialNumber);
    io.Field(m.VersionText);
    io.Field(m.ModelType);
    io.Field(m.RadioBandCode);
    io.Field(m.ModelLetter);

    for (auto& rb : d.RogerBeepTones) {
        for (auto& t : rb.Tone) {
            io.Field(t.ToneFreq);
            io.Field(t.ToneLength);
        }
        io.Field(rb.RecycleTimes);
        io.Field(rb.InterTime);
    }

    auto& s = d.OptionSettings;
    auto& f = s.OptionFeatures;
    for (auto* v : {&f.Tot, &f.FineTuneRange, &f.FineTuneMode, &f.CoarseStep, &f.VfoStep, &f.Beep,
                    &f.CwSideTone, &f.ScanResume, &f.LcdDisplay, &f.BacklightLoopTime,
                    &f.SwrProtect, &f.BatteryMin, &f.BatteryMax, &f.SingleChangeData,
                    &f.SingleChangeRxTx, &f.Plus10kHz, &f.Tsq, &f.Busy, &f.Asq, &f.ScanMode,
                    &f.FmSqDelay, &f.AmSqDelay, &f.CwSsbSqDelay, &f.SwrProtectEnable,
                    &f.DcProtectEnable, &f.SingleTone, &f.Dim, &f.BacklightColor})
        io.Field(*v);
    io.Field(f.PowerOnText);
    io.Field(f.GroupChange);

    io.Field(s.KeyAssignment.Pf1Function);
    io.Field(s.KeyAssignment.Pf2Function);

    auto& sc = s.ScanInfo;
    for (auto* v : {&sc.Priority, &sc.PriorityChannel, &sc.LookBackTimeA, &sc.LookBackTimeB,
                    &sc.RevertChannel, &sc.DropoutDelayTime, &sc.TxDwellTime})
        io.Field(*v);

    auto& dt = s.DtmfSettings;
    for (auto* v : {&dt.DtmfSpeed, &dt.FirstDigitTime, &dt.FirstDigitDelay, &dt.StarHashTone,
                    &dt.DCodeAssignment, &dt.DtmfSideTone})
        io.Field(*v);
    io.Field(dt.IdCode);
    for (auto* v : {&dt.GroupCode, &dt.AutoResetTimer, &dt.CallAlert, &dt.Transpond,
                    &dt.ClearToTranspond})
        io.Field(*v);
    io.Field(dt.StunCode);
    io.Field(dt.StunType);

    auto& fs = s.FleetSyncSettings;
    io.Field(fs.OwnFleet);
    io.Field(fs.OwnId);
    io.Field(fs.BaudRate);
    io.Field(fs.ModulationDelay);
    io.Field(fs.MessageModeTimer);
    io.Field(fs.PttIdSideTone);

    for (auto& r : s.ResetSelect) io.Field(r);
    io.Field(s.DtmfMemoryCount);
    for (auto& e : s.DtmfMemory) {
        io.Field(e.Row);
        io.Field(e.Digits);
    }
    io.Field(s.TestFreqCount);
    for (auto& e : s.TestFreqList) {
        io.Field(e.ChNo);
        io.Field(e.RxFreq);
        io.Field(e.TxFreq);
        io.Field(e.Extra1);
        io.Field(e.Extra2);
    }
    io.Field(s.EmbeddedMessage.MessageLine1);
    io.Field(s.EmbeddedMessage.MessageLine2);
    io.Field(s.FleetSyncStatusCount);
    for (auto& e : s.FleetSyncStatus) {
        io.Field(e.Row);
        io.Field(e.Fleet);
        io.Field(e.Id);
    }

    auto& x = d.OptionFeaturesExt;
    for (auto* v : {&x.TxGate, &x.RxNc, &x.NrBypass, &x.MicType, &x.IdleTime, &x.TxTone,
                    &x.RxTone, &x.VoxLevel, &x.VoxDelay})
        io.Field(*v);
}

}  // namespace

std::string EncodeCodeplugData(const CodeplugData& data) {
    Writer w;
    VisitData(w, data);
    return std::move(w.out);
}

bool DecodeCodeplugData(std::string_view bytes, CodeplugData& data) {
    if (bytes.size() < kDataFileSize) return false;
    Reader r{bytes};
    VisitData(r, data);
    return true;
}

std::string EncodeChannelRecord(const ChannelRecord& channel) {
    Writer w;
    VisitChannel(w, channel);
    return std::move(w.out);
}

bool DecodeChannelRecord(std::string_view bytes, ChannelRecord& channel) {
    if (bytes.size() < kChannelRecordSize) return false;
    Reader r{bytes};
    VisitChannel(r, channel);
    return true;
}

std::string ChannelFilePath(const std::string& dataFilePath) {
    const std::size_t keep = dataFilePath.size() >= 3 ? dataFilePath.size() - 3 : 0;
    return dataFilePath.substr(0, keep) + "fre";
}

}  // namespace zb
