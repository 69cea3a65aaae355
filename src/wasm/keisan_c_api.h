// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculation request in steps, as plain C functions over UTF-8 texts, so
// that a front end without C++ (the web page, through WebAssembly) drives the
// same core as the window does.
//
// A request is six NUL-terminated texts laid end to end in the buffer that
// quorvel_request_buffer hands out, in the order quorvel_fields names them.
// Each answer is one NUL-terminated text, lines joined by "\n", valid until
// the next call:
//   quorvel_fields    the request's field names (the controls' names, and
//                     "landChoice" for the options' group)
//   quorvel_results   the result boxes' names, in the order compute answers
//   quorvel_check     ""  or  message, title, focus (the control's name)
//   quorvel_question  ""  or  message, title, the focus after No
//   quorvel_compute   the five result texts, in the order of the labels, or
//                     "" when the input cannot be computed (CheckInput
//                     would have turned it away)

#ifdef __cplusplus
extern "C" {
#endif

char* quorvel_request_buffer(unsigned long size);
const char* quorvel_fields(void);
const char* quorvel_results(void);
const char* quorvel_check(void);
const char* quorvel_question(void);
const char* quorvel_compute(void);

#ifdef __cplusplus
}
#endif
