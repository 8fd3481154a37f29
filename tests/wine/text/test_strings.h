#pragma once
// String ids of the text library's Wine tests (their own table, not the
// resident's).
#define IDS_TEST_95         901  // "a" and 47 times "あ": 95 bytes
#define IDS_TEST_94         902  // 47 times "あ": 94 bytes
#define IDS_TEST_93         903  // 93 times "c"
#define IDS_TEST_STRADDLE   904  // 94 times "b", "ア", "xyz": 99 bytes
#define IDS_TEST_LONG       905  // 30 times "長い文字列", "end": 303 bytes
#define IDS_TEST_MISSING    999  // not in the table
