#pragma once
// Every field of the document's records, in data-file order and with its name. One list serves
// the data-file writer and reader and the readable dumps, so they cannot drift apart.
//
// An Io provides:
//   Field(const char* name, V& value)     for int16_t, int32_t and FixedText<N>
//   Object(const char* name, F visit)     a nested record; visit() visits its fields
//   Array(const char* name, int n, F visit)  n elements; visit(i) visits element i
// Record is the record type, const-qualified for writers.

#include "codeplug/records.h"

namespace zb::fields {

template <class Io, class C>
void Channel(Io& io, C& c) {
    io.Field("ChNo", c.ChNo);
    io.Field("Valid", c.Valid);
    io.Field("RxFreq", c.RxFreq);
    io.Field("TxFreq", c.TxFreq);
    io.Field("Scan", c.Scan);
    io.Field("DecTone", c.DecTone);
    io.Field("EncTone", c.EncTone);
    io.Field("Plus10k", c.Plus10k);
    io.Field("TsqFlag", c.TsqFlag);
    io.Field("BusyFlag", c.BusyFlag);
    io.Field("RbTone", c.RbTone);
    io.Field("RbLock", c.RbLock);
    io.Field("RepEnable", c.RepEnable);
    io.Field("RepShift", c.RepShift);
    io.Field("Spare1", c.Spare1);
    io.Field("Spare2", c.Spare2);
}

template <class Io, class G>
void Group(Io& io, G& g) {
    io.Field("ChannelCount", g.ChannelCount);
    io.Field("Name", g.Name);
    io.Field("Valid", g.Valid);
}

template <class Io, class M>
void ModelInfo(Io& io, M& m) {
    io.Field("ModelName", m.ModelName);
    io.Field("Flag", m.Flag);
    io.Field("BandCode", m.BandCode);
    io.Field("SerialNumber", m.SerialNumber);
    io.Field("VersionText", m.VersionText);
    io.Field("ModelType", m.ModelType);
    io.Field("RadioBandCode", m.RadioBandCode);
    io.Field("ModelLetter", m.ModelLetter);
}

template <class Io, class R>
void RogerBeep(Io& io, R& r) {
    io.Array("Tone", kTonesPerBeep, [&](int k) {
        io.Object(nullptr, [&] {
            io.Field("ToneFreq", r.Tone[k].ToneFreq);
            io.Field("ToneLength", r.Tone[k].ToneLength);
        });
    });
    io.Field("RecycleTimes", r.RecycleTimes);
    io.Field("InterTime", r.InterTime);
}

template <class Io, class F>
void OptionFeatures(Io& io, F& f) {
    io.Field("Tot", f.Tot);
    io.Field("FineTuneRange", f.FineTuneRange);
    io.Field("FineTuneMode", f.FineTuneMode);
    io.Field("CoarseStep", f.CoarseStep);
    io.Field("VfoStep", f.VfoStep);
    io.Field("Beep", f.Beep);
    io.Field("CwSideTone", f.CwSideTone);
    io.Field("ScanResume", f.ScanResume);
    io.Field("LcdDisplay", f.LcdDisplay);
    io.Field("BacklightLoopTime", f.BacklightLoopTime);
    io.Field("SwrProtect", f.SwrProtect);
    io.Field("BatteryMin", f.BatteryMin);
    io.Field("BatteryMax", f.BatteryMax);
    io.Field("SingleChangeData", f.SingleChangeData);
    io.Field("SingleChangeRxTx", f.SingleChangeRxTx);
    io.Field("Plus10kHz", f.Plus10kHz);
    io.Field("Tsq", f.Tsq);
    io.Field("Busy", f.Busy);
    io.Field("Asq", f.Asq);
    io.Field("ScanMode", f.ScanMode);
    io.Field("FmSqDelay", f.FmSqDelay);
    io.Field("AmSqDelay", f.AmSqDelay);
    io.Field("CwSsbSqDelay", f.CwSsbSqDelay);
    io.Field("SwrProtectEnable", f.SwrProtectEnable);
    io.Field("DcProtectEnable", f.DcProtectEnable);
    io.Field("SingleTone", f.SingleTone);
    io.Field("Dim", f.Dim);
    io.Field("BacklightColor", f.BacklightColor);
    io.Field("PowerOnText", f.PowerOnText);
    io.Field("GroupChange", f.GroupChange);
}

template <class Io, class S>
void OptionSettings(Io& io, S& s) {
    io.Object("OptionFeatures", [&] { OptionFeatures(io, s.OptionFeatures); });
    io.Object("KeyAssignment", [&] {
        io.Field("Pf1Function", s.KeyAssignment.Pf1Function);
        io.Field("Pf2Function", s.KeyAssignment.Pf2Function);
    });
    io.Object("ScanInfo", [&] {
        auto& x = s.ScanInfo;
        io.Field("Priority", x.Priority);
        io.Field("PriorityChannel", x.PriorityChannel);
        io.Field("LookBackTimeA", x.LookBackTimeA);
        io.Field("LookBackTimeB", x.LookBackTimeB);
        io.Field("RevertChannel", x.RevertChannel);
        io.Field("DropoutDelayTime", x.DropoutDelayTime);
        io.Field("TxDwellTime", x.TxDwellTime);
    });
    io.Object("DtmfSettings", [&] {
        auto& x = s.DtmfSettings;
        io.Field("DtmfSpeed", x.DtmfSpeed);
        io.Field("FirstDigitTime", x.FirstDigitTime);
        io.Field("FirstDigitDelay", x.FirstDigitDelay);
        io.Field("StarHashTone", x.StarHashTone);
        io.Field("DCodeAssignment", x.DCodeAssignment);
        io.Field("DtmfSideTone", x.DtmfSideTone);
        io.Field("IdCode", x.IdCode);
        io.Field("GroupCode", x.GroupCode);
        io.Field("AutoResetTimer", x.AutoResetTimer);
        io.Field("CallAlert", x.CallAlert);
        io.Field("Transpond", x.Transpond);
        io.Field("ClearToTranspond", x.ClearToTranspond);
        io.Field("StunCode", x.StunCode);
        io.Field("StunType", x.StunType);
    });
    io.Object("FleetSyncSettings", [&] {
        auto& x = s.FleetSyncSettings;
        io.Field("OwnFleet", x.OwnFleet);
        io.Field("OwnId", x.OwnId);
        io.Field("BaudRate", x.BaudRate);
        io.Field("ModulationDelay", x.ModulationDelay);
        io.Field("MessageModeTimer", x.MessageModeTimer);
        io.Field("PttIdSideTone", x.PttIdSideTone);
    });
    io.Array("ResetSelect", 4, [&](int i) { io.Field(nullptr, s.ResetSelect[i]); });
    io.Field("DtmfMemoryCount", s.DtmfMemoryCount);
    io.Array("DtmfMemory", 8, [&](int i) {
        io.Object(nullptr, [&] {
            io.Field("Row", s.DtmfMemory[i].Row);
            io.Field("Digits", s.DtmfMemory[i].Digits);
        });
    });
    io.Field("TestFreqCount", s.TestFreqCount);
    io.Array("TestFreqList", 16, [&](int i) {
        io.Object(nullptr, [&] {
            auto& e = s.TestFreqList[i];
            io.Field("ChNo", e.ChNo);
            io.Field("RxFreq", e.RxFreq);
            io.Field("TxFreq", e.TxFreq);
            io.Field("Extra1", e.Extra1);
            io.Field("Extra2", e.Extra2);
        });
    });
    io.Object("EmbeddedMessage", [&] {
        io.Field("MessageLine1", s.EmbeddedMessage.MessageLine1);
        io.Field("MessageLine2", s.EmbeddedMessage.MessageLine2);
    });
    io.Field("FleetSyncStatusCount", s.FleetSyncStatusCount);
    io.Array("FleetSyncStatus", 8, [&](int i) {
        io.Object(nullptr, [&] {
            auto& e = s.FleetSyncStatus[i];
            io.Field("Row", e.Row);
            io.Field("Fleet", e.Fleet);
            io.Field("Id", e.Id);
        });
    });
}

template <class Io, class X>
void OptionFeaturesExt(Io& io, X& x) {
    io.Field("TxGate", x.TxGate);
    io.Field("RxNc", x.RxNc);
    io.Field("NrBypass", x.NrBypass);
    io.Field("MicType", x.MicType);
    io.Field("IdleTime", x.IdleTime);
    io.Field("TxTone", x.TxTone);
    io.Field("RxTone", x.RxTone);
    io.Field("VoxLevel", x.VoxLevel);
    io.Field("VoxDelay", x.VoxDelay);
}

// Everything of CodeplugData after the groups, in file order.
template <class Io, class D>
void AfterGroups(Io& io, D& d) {
    io.Object("VfoA", [&] { Channel(io, d.VfoA); });
    io.Field("VfoAValid", d.VfoAValid);
    io.Object("VfoB", [&] { Channel(io, d.VfoB); });
    io.Field("VfoBValid", d.VfoBValid);
    io.Object("ModelInfo", [&] { ModelInfo(io, d.ModelInfo); });
    io.Array("RogerBeepTones", kRogerBeepCount,
             [&](int t) { io.Object(nullptr, [&] { RogerBeep(io, d.RogerBeepTones[t]); }); });
    io.Object("OptionSettings", [&] { OptionSettings(io, d.OptionSettings); });
    io.Object("OptionFeaturesExt", [&] { OptionFeaturesExt(io, d.OptionFeaturesExt); });
}

template <class Io, class D>
void Data(Io& io, D& d) {
    io.Field("Version", d.Version);
    io.Field("CurrentGroup", d.CurrentGroup);
    io.Array("Groups", kGroupCount, [&](int g) { io.Object(nullptr, [&] { Group(io, d.Groups[g]); }); });
    AfterGroups(io, d);
}

}  // namespace zb::fields
