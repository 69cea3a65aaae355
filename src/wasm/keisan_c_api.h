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
//   quorvel_working   the working behind each of those results, one line
//                     each in the same order, or "" as compute
//   quorvel_summary   the calculation as one text to copy or share: its
//                     inputs, then each caption with its result; or ""
//   quorvel_levels    for an input CheckInput accepts, one line for every
//                     other level after, in the list's order: its item,
//                     the change ("1→4"), "1" where the level falls (else
//                     ""), and the five result texts, separated by tabs;
//                     "" for any other input

#ifdef __cplusplus
extern "C" {
#endif

char* quorvel_request_buffer(unsigned long size);
const char* quorvel_fields(void);
const char* quorvel_results(void);
const char* quorvel_check(void);
const char* quorvel_question(void);
const char* quorvel_compute(void);
const char* quorvel_working(void);
const char* quorvel_summary(void);
const char* quorvel_levels(void);

#ifdef __cplusplus
}
#endif
