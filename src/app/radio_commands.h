#pragma once
// The commands of the main window that talk to the radio. The radio link implements them;
// without it nothing is available and the window offers none of them.

namespace zb {

class RadioCommands {
public:
    virtual ~RadioCommands() = default;
    virtual bool Available() const { return false; }
    virtual void ReadFromRadio() {}
    virtual void WriteToRadio() {}
    virtual void WriteToGroup() {}
    // The production and sales record; Embedded Message clears the image first.
    virtual void ReadRmgData(bool /*clearImage*/) {}
    // The model record of the document, already stored by the caller.
    virtual void WriteRadioInfo() {}
    // The factory test mode.
    virtual void TestMode() {}
};

}  // namespace zb
