// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculation request in steps, as plain C functions over UTF-8 texts, so
// that a front end without C++ (the web page, through WebAssembly) drives the
// same core as the window does.
//
// A request is six NUL-terminated texts laid end to end in the buffer that
// quorvel_request_buffer hands out: cboLevelBefore, cboLevelAfter, cboRensa,
// txtGofu, the land choice ("Land80", "Land100" or "LandEtc") and txtLandEtc.
// Each step answers with one NUL-terminated text, lines joined by "\n", valid
// until the next call:
//   quorvel_check     ""  or  message, title, focus (the control's name)
//   quorvel_question  ""  or  message, title
//   quorvel_compute   the five result texts, in the order of the labels, or
//                     "" when the input cannot be computed (CheckInput
//                     would have turned it away)

#ifdef __cplusplus
extern "C" {
#endif

char* quorvel_request_buffer(unsigned long size);
const char* quorvel_check(void);
const char* quorvel_question(void);
const char* quorvel_compute(void);

#ifdef __cplusplus
}
#endif
