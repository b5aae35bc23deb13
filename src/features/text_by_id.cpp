#include "features/text_by_id.h"

#include <array>

namespace zb {
namespace {

struct IdText {
    int id;
    const char* english;
    const char* chinese;
};

constexpr IdText kIdTexts[] = {
    {10221, "&Roger Beep", "RB音(&R)"},
    {12014, "Roger Beep", "RB音"},
    {29000, "Roger Beep", "RB音"},
    {29001, "RB Tone", "RB音"},
    {29002, "Recycle Times", "循环次数"},
    {29003, "Inter Time[ms]", "间隔时间[ms]"},
    {29004, "Frequency[Hz]", "频率[Hz]"},
    {29005, "Tone Long[ms]", "音长[ms]"},
    {29006, "&Play", "播放(&P)"},
    {29007, "&Stop", "停止(&S)"},
    {29100, "First Tone", "第一个音"},
    {29101, "Second Tone", "第二个音"},
    {29102, "Third Tone", "第三个音"},
    {29103, "Fourth Tone", "第四个音"},
    {29104, "Fifth Tone", "第五个音"},
    {29105, "Sixth Tone", "第六个音"},
    {29106, "Seventh Tone", "第七个音"},
    {29107, "Eighth Tone", "第八个音"},
    {29108, "Ninth Tone", "第九个音"},
    {29109, "Tenth Tone", "第十个音"},
    {29110, "Eleventh Tone", "第十一个音"},
    {29111, "Twelfth Tone", "第十二个音"},
    {29112, "Thirteenth Tone", "第十三个音"},
    {29113, "Fourteenth Tone", "第十四个音"},
    {29200, "Off", "关"},
    {29201, "None", "无"},
};

}  // namespace

std::string TextById(int languageIndex, int id) {
    for (const IdText& t : kIdTexts)
        if (t.id == id) return languageIndex == 2 ? t.chinese : t.english;
    return {};
}

}  // namespace zb
