#pragma once
// Memory map of the radio image (16384 bytes, 0x0000..0x3FFF): which ranges travel over the
// serial link, where each region lies, and how its bytes are encoded. End addresses are
// exclusive unless a name says otherwise.
//
//   0x0000  16        header block, no codeplug data
//   0x0010  800 x 16  channel slots: group g (0..19), channel n (1..40) at (g*40 + n) * 16
//   0x3210  16        VfoA slot            0x3220  16   VfoB slot
//   0x3230  100       channel-used bitmap  0x3294  12   zero
//   0x32A0  100       channel-scan bitmap  0x3304  4    zero
//   0x3308  3         group-valid bits (bit g = group g, bit 20 VfoA, bit 21 VfoB)
//   0x3310  20 x 8    group names, blank padded
//   0x3A00  8 x 32    roger-beep sequences 1..8
//   0x3D30  8         power-on text, NUL padded
//   0x3D38  4         reset selection (values minus 1)
//   0x3D60  0x26      option bytes
//   0x3DA0  32        embedded message line 1, 0xFF padded (read, never written)
//   0x3DC0  32        embedded message line 2, 0xFF padded (neither read nor written)
//   0x3F00  8         status block (band flags; not stored in the image)
//   0x3F08  0xE8      production and sales record (RMG data texts)
//   Every other byte is unused and holds 0xFF in an image built for writing.

#include <array>
#include <cstdint>

namespace zb::layout {

inline constexpr int kImageSize = 0x4000;

// ---- Transfer ranges ----------------------------------------------------------------------
// Normal read: 64-byte blocks 0x0000..0x3DBF (247 blocks; the last one starts at 0x3D80).
inline constexpr int kReadStart = 0x0000;
inline constexpr int kReadEnd = 0x3DC0;
inline constexpr int kReadBlockSize = 64;
inline constexpr int kReadBlockCount = (kReadEnd - kReadStart) / kReadBlockSize;  // 247
// Normal write: 16-byte blocks 0x0010..0x3D8F (984 blocks). A restarted write, and the write to
// the next radio of a group, also send the header block at 0x0000.
inline constexpr int kWriteStart = 0x0010;
inline constexpr int kWriteEnd = 0x3D90;
inline constexpr int kWriteBlockSize = 16;
inline constexpr int kWriteBlockCount = (kWriteEnd - kWriteStart) / kWriteBlockSize;  // 984
inline constexpr int kHeaderStart = 0x0000;
inline constexpr int kHeaderSize = 16;
// A read or write conversation requests blocks while the address is below this one.
inline constexpr int kSequenceEndAddress = 0x3D90;
// Status block, requested by the normal read and write; its data only sets the band flags.
inline constexpr int kStatusBlockAddress = 0x3F00;
inline constexpr int kStatusBlockSize = 8;
inline constexpr uint8_t kBandFlagAMask = 0x02;  // bit 1 of the status block's first byte
inline constexpr uint8_t kBandFlagBMask = 0x04;  // bit 2
// RMG data read: 16-byte blocks 0x3F00..0x3FFF (16 blocks), stored into the image.
inline constexpr int kRmgAreaStart = 0x3F00;
inline constexpr int kRmgAreaEnd = 0x4000;
inline constexpr int kRmgBlockSize = 16;
inline constexpr int kRmgBlockCount = (kRmgAreaEnd - kRmgAreaStart) / kRmgBlockSize;  // 16
inline constexpr int kRmgTextStart = 0x3F08;
inline constexpr int kRmgTextEnd = 0x3FF0;

// ---- Channel and VFO slots ----------------------------------------------------------------
//   byte  0  1  2 | 3  4   | 5  6  7 | 8  9   | 10    | 11 12   | 13 14   | 15
//         RX BCD  | RX off | TX BCD  | TX off | flags | DecTone | EncTone | RbTone
// BCD: 6 digits, high nibble first, the frequency in units of 100 Hz; FF FF FF = none.
// Offsets: VFO slots only (written 00 00): low byte, then sign (bit 7) and high 7 bits of a
// magnitude in units of 10 Hz. Tone words are high byte first.
inline constexpr int kSlotSize = 16;
inline constexpr int kChannelSlotsStart = 0x0010;
inline constexpr int kChannelSlotsEnd = 0x3210;
inline constexpr int kVfoASlot = 0x3210;
inline constexpr int kVfoBSlot = 0x3220;

inline constexpr int kSlotRxFreq = 0;
inline constexpr int kSlotRxOffset = 3;
inline constexpr int kSlotTxFreq = 5;
inline constexpr int kSlotTxOffset = 8;
inline constexpr int kSlotFlags = 10;
inline constexpr int kSlotDecTone = 11;
inline constexpr int kSlotEncTone = 13;
inline constexpr int kSlotRbTone = 15;

inline constexpr int kBcdFreqBytes = 3;
inline constexpr int kBcdUnitHz = 100;
inline constexpr int kOffsetUnitHz = 10;
inline constexpr uint8_t kOffsetSignMask = 0x80;  // in the offset's second byte
inline constexpr uint8_t kTsqFlagMask = 0x40;     // flags byte, bit 6
inline constexpr uint8_t kBusyFlagMask = 0x02;    // flags byte, bit 1
inline constexpr uint8_t kRbToneMask = 0x07;      // the reader uses bits 0..2

// Slot address of channel number n (1..40) of group g (0..19).
constexpr int ChannelSlotAddress(int group, int chNo) { return (group * 40 + chNo) * kSlotSize; }

// ---- Tone words ---------------------------------------------------------------------------
inline constexpr uint16_t kToneWordOff = 0xFFFF;
inline constexpr uint16_t kToneWordDcsNormal = 0xD000;    // + DCS code
inline constexpr uint16_t kToneWordDcsInverted = 0x8000;  // + DCS code
inline constexpr uint16_t kToneWordValueMask = 0x0FFF;
// Kind: the top hexadecimal digit of the word; any digit but these is off.
inline constexpr int kToneKindCtcss = 0x0;
inline constexpr int kToneKindDcsNormal = 0xD;
inline constexpr int kToneKindDcsInverted = 0x8;

// ---- Bitmaps: bit b is bit (b % 8) of byte (start + b / 8) ---------------------------------
inline constexpr int kUsedBitmap = 0x3230;
inline constexpr int kScanBitmap = 0x32A0;
inline constexpr int kChannelBitmapSize = 100;
inline constexpr int kGroupValidBits = 0x3308;  // 3 bytes: bit g for group g
inline constexpr int kVfoValidByte = 0x330A;
inline constexpr uint8_t kVfoAValidMask = 0x10;  // bit 20 of the group-valid bits
inline constexpr uint8_t kVfoBValidMask = 0x20;  // bit 21
// Cleared to 0x00 (not 0xFF) in an empty image: both bitmaps, the gaps after them and the
// group-valid bits.
inline constexpr int kZeroedStart = 0x3230;
inline constexpr int kZeroedEnd = 0x330B;

// Bit number of channel n (1..40) of group g in the used and scan bitmaps.
constexpr int ChannelBit(int group, int chNo) { return group * 40 + chNo - 1; }

// ---- Texts --------------------------------------------------------------------------------
inline constexpr int kGroupNames = 0x3310;  // group g at kGroupNames + 8g, blank padded
inline constexpr int kGroupNameSize = 8;
inline constexpr int kPowerOnText = 0x3D30;  // NUL padded
inline constexpr int kPowerOnTextSize = 8;
inline constexpr int kMessageLine1 = 0x3DA0;  // 0xFF padded
inline constexpr int kMessageLine2 = 0x3DC0;
inline constexpr int kMessageLineSize = 32;
inline constexpr uint8_t kNameFill = 0x20;
inline constexpr uint8_t kPowerOnFill = 0x00;
inline constexpr uint8_t kMessageFill = 0xFF;

// ---- Roger-beep sequences -----------------------------------------------------------------
// Sequence t (1..8) at kRogerBeeps + 32(t-1): bytes 0..13 tone frequencies, 14..27 tone
// lengths, 28 RecycleTimes, 29 InterTime, 30..31 unused.
inline constexpr int kRogerBeeps = 0x3A00;
inline constexpr int kRogerBeepSlotSize = 32;
inline constexpr int kBeepFreqs = 0;
inline constexpr int kBeepLengths = 14;
inline constexpr int kBeepRecycleTimes = 28;
inline constexpr int kBeepInterTime = 29;

// ---- Reset selection: each byte is the value minus 1 --------------------------------------
inline constexpr int kResetBand0Channel = 0x3D38;  // ResetSelect[1]
inline constexpr int kResetBand0Group = 0x3D39;    // ResetSelect[0]
inline constexpr int kResetBand1Channel = 0x3D3A;  // ResetSelect[3]
inline constexpr int kResetBand1Group = 0x3D3B;    // ResetSelect[2]

// ---- Option bytes (one field per byte, low 8 bits) ----------------------------------------
inline constexpr int kOptionBytesStart = 0x3D60;
inline constexpr int kOptionBytesEnd = 0x3D86;
inline constexpr int kOptTot = 0x3D60;
inline constexpr int kOptFineTuneRange = 0x3D61;
inline constexpr int kOptFineTuneMode = 0x3D62;
inline constexpr int kOptCoarseStep = 0x3D63;
inline constexpr int kOptBacklightLoopTime = 0x3D66;
inline constexpr int kOptScanResume = 0x3D67;
inline constexpr int kOptLcdDisplay = 0x3D68;
inline constexpr int kOptSwrProtect = 0x3D69;
inline constexpr int kOptBatteryMax = 0x3D6A;
inline constexpr int kOptBatteryMin = 0x3D6B;
inline constexpr int kOptVoxLevel = 0x3D6C;
inline constexpr int kOptSingleChangeData = 0x3D6D;
inline constexpr int kOptTsqBusy = 0x3D6E;  // bit 6 Tsq, bit 1 Busy (the slot flag masks)
inline constexpr int kOptSingleChangeRxTx = 0x3D6F;
inline constexpr int kOptAsq = 0x3D70;
inline constexpr int kOptScanMode = 0x3D71;
inline constexpr int kOptVfoStep = 0x3D75;
inline constexpr int kOptBeep = 0x3D76;
inline constexpr int kOptGroupChange = 0x3D77;
inline constexpr int kOptVoxDelay = 0x3D78;
inline constexpr int kOptDim = 0x3D79;
inline constexpr int kOptBacklightColor = 0x3D7A;
inline constexpr int kOptSwrProtectEnable = 0x3D7B;
inline constexpr int kOptDcProtectEnable = 0x3D7C;
inline constexpr int kOptSingleTone = 0x3D7E;  // read only, never written
inline constexpr int kOptTxGate = 0x3D7F;
inline constexpr int kOptRxNc = 0x3D80;
inline constexpr int kOptMicType = 0x3D81;
inline constexpr int kOptNrBypass = 0x3D82;
inline constexpr int kOptIdleTime = 0x3D83;
inline constexpr int kOptTxTone = 0x3D84;
inline constexpr int kOptRxTone = 0x3D85;

// ---- Production and sales record (RMG data texts) -----------------------------------------
// Each text is the bytes up to the first 0x00 or 0xFF of its field, in the Chinese code page
// (double-byte characters allowed except in the area code, which is read byte by byte).
struct RmgTextField {
    int address;
    int length;
};
inline constexpr RmgTextField kRmgAreaCode{0x3F08, 4};
inline constexpr RmgTextField kRmgSerialNo{0x3F10, 16};
inline constexpr RmgTextField kRmgProducedDate{0x3F20, 16};
inline constexpr RmgTextField kRmgManufactureCode{0x3F30, 8};
inline constexpr RmgTextField kRmgUserCode{0x3F38, 4};
inline constexpr RmgTextField kRmgMaintainedDate{0x3F40, 16};
inline constexpr RmgTextField kRmgDealerCode{0x3F50, 16};
inline constexpr RmgTextField kRmgStockDate{0x3F60, 16};
inline constexpr RmgTextField kRmgSellDate{0x3F70, 16};
inline constexpr RmgTextField kRmgSeller{0x3F80, 16};
inline constexpr RmgTextField kRmgMaintainedReason{0x3F90, 96};

static_assert(kWriteBlockCount == 984 && kReadBlockCount == 247 && kRmgBlockCount == 16);
static_assert(ChannelSlotAddress(0, 1) == kChannelSlotsStart);
static_assert(ChannelSlotAddress(19, 40) + kSlotSize == kChannelSlotsEnd);
static_assert(kUsedBitmap + kChannelBitmapSize <= kScanBitmap);
static_assert(kRmgMaintainedReason.address + kRmgMaintainedReason.length == kRmgTextEnd);

}  // namespace zb::layout
