#include "app/system_locale.h"

#include <cstdlib>
#include <string_view>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace zb {

int SystemLanguageFromLcid(unsigned lcid) { return lcid == 0x0804 ? 2 : 1; }

int SystemLanguageFromLocale(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* v : {lcAll, lcMessages, lang}) {
        if (v == nullptr || *v == '\0') continue;
        return std::string_view(v).substr(0, 5) == "zh_CN" ? 2 : 1;
    }
    return 1;
}

int DetectSystemLanguage() {
#if defined(_WIN32)
    return SystemLanguageFromLcid(static_cast<unsigned>(GetSystemDefaultLCID()));
#else
    return SystemLanguageFromLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                                    std::getenv("LANG"));
#endif
}

}  // namespace zb
