#pragma once
// The system language: 2 on a Chinese (PRC) system, 1 on any other.

namespace zb {

// Windows locale identifiers: 0x0804 is Chinese (PRC).
int SystemLanguageFromLcid(unsigned lcid);

// 2 when the first set locale variable of LC_ALL, LC_MESSAGES and LANG names zh_CN, else 1.
int SystemLanguageFromLocale(const char* lcAll, const char* lcMessages, const char* lang);

// The system language of this machine (the system default locale on Windows, the locale
// variables elsewhere).
int DetectSystemLanguage();

}  // namespace zb
