#pragma once
// The records of the open document. Field order and widths are those of the data file;
// every integer is signed 16-bit unless it is declared int32_t.
//
// Arrays are 0-based here: Groups[g] is group g (shown as g+1), RogerBeepTones[t-1] is
// roger-beep sequence t (1..8), Tone[k-1] is tone k (1..14), DtmfMemory[i-1] is entry i.

#include <array>
#include <cstdint>
#include <string>

#include "codeplug/fixed_text.h"

namespace zb {

inline constexpr int kGroupCount = 20;        // channel groups 0..19
inline constexpr int kChannelsPerGroup = 40;  // channel numbers 1..40
inline constexpr int kVfoAGroup = 20;         // pseudo-group of VfoA ("VFO0")
inline constexpr int kVfoBGroup = 21;         // pseudo-group of VfoB ("VFO1")
inline constexpr int kRogerBeepCount = 8;
inline constexpr int kTonesPerBeep = 14;

struct ChannelRecord {
    int16_t ChNo = 0;
    int16_t Valid = 0;
    FixedText<8> RxFreq;  // Hz as decimal digits; empty or "FFFFFFFF" = none
    FixedText<8> TxFreq;
    int16_t Scan = 0;
    int16_t DecTone = 0;  // ToneIndex
    int16_t EncTone = 0;  // ToneIndex
    int16_t Plus10k = 0;
    int16_t TsqFlag = 0;
    int16_t BusyFlag = 0;
    int16_t RbTone = 0;  // roger-beep sequence number minus 1
    int16_t RbLock = 0;
    int16_t RepEnable = 0;
    int16_t RepShift = 0;  // 0 off, 1 +100K, 2 -100K
    int16_t Spare1 = 0;    // always 0, kept in the data file
    int16_t Spare2 = 0;

    bool operator==(const ChannelRecord&) const = default;
};

struct GroupRecord {
    int16_t ChannelCount = 0;
    FixedText<8> Name;
    int16_t Valid = 0;  // above 0 = enabled

    bool operator==(const GroupRecord&) const = default;
};

// ChannelTable[j][g]: entry j (0..39) of group g (0..19). Entries 0..ChannelCount-1 are used.
using ChannelTable = std::array<std::array<ChannelRecord, kGroupCount>, kChannelsPerGroup>;

struct ModelInfoRecord {
    FixedText<6> ModelName;
    int16_t Flag = 0;  // always written 0
    int16_t BandCode = 0;
    FixedText<8> SerialNumber;
    FixedText<5> VersionText;
    FixedText<6> ModelType;
    int16_t RadioBandCode = 0;
    int16_t ModelLetter = 0;

    bool operator==(const ModelInfoRecord&) const = default;
};

struct ToneEntry {
    int16_t ToneFreq = 0;    // units of 10 Hz; 48 Hz or less is a pause
    int16_t ToneLength = 0;  // units of 10 ms; 4 ms or less is skipped

    bool operator==(const ToneEntry&) const = default;
};

struct RogerBeepRecord {
    std::array<ToneEntry, kTonesPerBeep> Tone{};
    int16_t RecycleTimes = 0;
    int16_t InterTime = 0;  // units of 10 ms

    bool operator==(const RogerBeepRecord&) const = default;
};

struct OptionFeaturesRecord {
    int16_t Tot = 0;
    int16_t FineTuneRange = 0;
    int16_t FineTuneMode = 0;
    int16_t CoarseStep = 0;
    int16_t VfoStep = 0;
    int16_t Beep = 0;
    int16_t CwSideTone = 0;
    int16_t ScanResume = 0;
    int16_t LcdDisplay = 0;
    int16_t BacklightLoopTime = 0;
    int16_t SwrProtect = 0;
    int16_t BatteryMin = 0;
    int16_t BatteryMax = 0;
    int16_t SingleChangeData = 0;
    int16_t SingleChangeRxTx = 0;
    int16_t Plus10kHz = 0;
    int16_t Tsq = 0;
    int16_t Busy = 0;
    int16_t Asq = 0;
    int16_t ScanMode = 0;
    int16_t FmSqDelay = 0;
    int16_t AmSqDelay = 0;
    int16_t CwSsbSqDelay = 0;
    int16_t SwrProtectEnable = 0;
    int16_t DcProtectEnable = 0;
    int16_t SingleTone = 0;
    int16_t Dim = 0;
    int16_t BacklightColor = 0;
    FixedText<8> PowerOnText;
    int16_t GroupChange = 0;

    bool operator==(const OptionFeaturesRecord&) const = default;
};

struct KeyAssignmentRecord {
    int16_t Pf1Function = 0;
    int16_t Pf2Function = 0;

    bool operator==(const KeyAssignmentRecord&) const = default;
};

struct ScanInfoRecord {
    int16_t Priority = 0;
    int16_t PriorityChannel = 0;
    int16_t LookBackTimeA = 0;
    int16_t LookBackTimeB = 0;
    int16_t RevertChannel = 0;
    int16_t DropoutDelayTime = 0;
    int16_t TxDwellTime = 0;

    bool operator==(const ScanInfoRecord&) const = default;
};

struct DtmfSettingsRecord {
    int16_t DtmfSpeed = 0;
    int16_t FirstDigitTime = 0;
    int16_t FirstDigitDelay = 0;
    int16_t StarHashTone = 0;
    int16_t DCodeAssignment = 0;
    int16_t DtmfSideTone = 0;
    FixedText<10> IdCode;
    int16_t GroupCode = 0;
    int16_t AutoResetTimer = 0;
    int16_t CallAlert = 0;
    int16_t Transpond = 0;
    int16_t ClearToTranspond = 0;
    FixedText<10> StunCode;
    int16_t StunType = 0;

    bool operator==(const DtmfSettingsRecord&) const = default;
};

struct FleetSyncSettingsRecord {
    int16_t OwnFleet = 0;
    int32_t OwnId = 0;
    int16_t BaudRate = 0;
    int32_t ModulationDelay = 0;
    int32_t MessageModeTimer = 0;
    int16_t PttIdSideTone = 0;

    bool operator==(const FleetSyncSettingsRecord&) const = default;
};

struct DtmfMemoryEntry {
    int16_t Row = 0;
    FixedText<16> Digits;

    bool operator==(const DtmfMemoryEntry&) const = default;
};

struct TestFreqEntry {
    int16_t ChNo = 0;
    FixedText<8> RxFreq;
    FixedText<8> TxFreq;
    int16_t Extra1 = 0;  // only copied
    int16_t Extra2 = 0;

    bool operator==(const TestFreqEntry&) const = default;
};

struct EmbeddedMessageRecord {
    FixedText<32> MessageLine1;
    FixedText<32> MessageLine2;

    bool operator==(const EmbeddedMessageRecord&) const = default;
};

struct FleetSyncStatusEntry {
    int16_t Row = 0;
    int16_t Fleet = 0;
    int32_t Id = 0;

    bool operator==(const FleetSyncStatusEntry&) const = default;
};

struct OptionSettingsRecord {
    OptionFeaturesRecord OptionFeatures;
    KeyAssignmentRecord KeyAssignment;
    ScanInfoRecord ScanInfo;
    DtmfSettingsRecord DtmfSettings;
    FleetSyncSettingsRecord FleetSyncSettings;
    // [0] band-0 reset group (1-based), [1] its channel, [2] band-1 group, [3] its channel
    std::array<int16_t, 4> ResetSelect{};
    int16_t DtmfMemoryCount = 0;
    std::array<DtmfMemoryEntry, 8> DtmfMemory{};
    int16_t TestFreqCount = 0;
    std::array<TestFreqEntry, 16> TestFreqList{};
    EmbeddedMessageRecord EmbeddedMessage;
    int16_t FleetSyncStatusCount = 0;
    std::array<FleetSyncStatusEntry, 8> FleetSyncStatus{};

    bool operator==(const OptionSettingsRecord&) const = default;
};

struct OptionFeaturesExtRecord {
    int16_t TxGate = 0;
    int16_t RxNc = 0;
    int16_t NrBypass = 0;
    int16_t MicType = 0;
    int16_t IdleTime = 0;
    int16_t TxTone = 0;
    int16_t RxTone = 0;
    int16_t VoxLevel = 0;
    int16_t VoxDelay = 0;

    bool operator==(const OptionFeaturesExtRecord&) const = default;
};

struct CodeplugData {
    FixedText<4> Version;
    int16_t CurrentGroup = 0;  // 0..19 a group, 20 VfoA, 21 VfoB
    std::array<GroupRecord, kGroupCount> Groups{};
    ChannelRecord VfoA;
    int16_t VfoAValid = 0;
    ChannelRecord VfoB;
    int16_t VfoBValid = 0;
    ModelInfoRecord ModelInfo;
    std::array<RogerBeepRecord, kRogerBeepCount> RogerBeepTones{};
    OptionSettingsRecord OptionSettings;
    OptionFeaturesExtRecord OptionFeaturesExt;

    bool operator==(const CodeplugData&) const = default;
};

// The document (and, as a second instance, the staging copy used by the data files).
struct Codeplug {
    CodeplugData Data;
    ChannelTable Channels{};
};

// The radio's production and sales record; program state, never saved in a data file.
// Its texts are held decoded (UTF-8), since the radio may store Chinese dealer names in GBK;
// the widths in the comments are those of the radio's memory.
struct RmgDataRecord {
    std::string AreaCode;          // 4
    std::string SerialNo;          // 16
    std::string ProducedDate;      // 16
    std::string ManufactureCode;   // 8
    std::string UserCode;          // 4
    std::string MaintainedDate;    // 16
    std::string DealerCode;        // 16
    std::string StockDate;         // 16
    std::string SellDate;          // 16
    std::string Seller;            // 16
    std::string MaintainedReason;  // 96
    std::string FirmwareVersion;   // has no place in the image

    bool operator==(const RmgDataRecord&) const = default;
};

}  // namespace zb
