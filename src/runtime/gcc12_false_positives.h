#pragma once
// GCC 12 at -O3 (a Release build) reports warnings inside std::string's own
// inlined code that are false positives, fixed in GCC 13:
// - -Wrestrict on joining a literal to a std::string ("." + digits) and on
//   assigning a one-character literal (title = "x");
// - -Wmaybe-uninitialized on a std::string parameter moved into a member.
// Warnings stay errors everywhere else; these macros silence one warning for
// the few lines between them, and only for GCC 12. Each place says why.
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#define SCANFEE_PRAGMA(text) _Pragma(#text)
#define SCANFEE_GCC12_FALSE_POSITIVE_BEGIN(warning) \
    SCANFEE_PRAGMA(GCC diagnostic push) SCANFEE_PRAGMA(GCC diagnostic ignored warning)
#define SCANFEE_GCC12_FALSE_POSITIVE_END SCANFEE_PRAGMA(GCC diagnostic pop)
#else
#define SCANFEE_GCC12_FALSE_POSITIVE_BEGIN(warning)
#define SCANFEE_GCC12_FALSE_POSITIVE_END
#endif
