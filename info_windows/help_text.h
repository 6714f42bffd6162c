// The help window's text: 18 lines joined by CR LF, no line break after the last, plain ASCII.
// One paragraph a line; two empty lines stand before the separator of 91 asterisks.
#pragma once

#include <string_view>

namespace quorvan {

inline constexpr std::string_view kHelpText =
    "Quorvan\r\n"
    "\r\n"
    "Quorvan is a simple calculator that takes the prevalence probability and the diagnostic "
    "likelihood odds to calculate the posttest probability (A x L = P). Pretest and posttest "
    "probabilities are entered in decimals format (.18) rather than percentage format (18%).\r\n"
    "\r\n"
    // No chapter reference we can vouch for, so this one stays general.
    "Descriptions can be found in: the chapter on diagnostic tests in any edited textbook of "
    "evidence-based practice in mental health, which explains pretest probability, likelihood "
    "ratios and posttest probability with clinical examples.\r\n"
    "\r\n"
    "Straus SE, Glasziou P, Richardson WS, Haynes RB. Evidence-Based Medicine: How to Practice "
    "and Teach EBM. 5th ed. Edinburgh: Elsevier; 2019.\r\n"
    "\r\n"
    "If using raw data, the likelihood odds ratio can be computed as : sensitivity / (1 - "
    "specificity). Thus, if sensitivity was .6667 and specificity was .9100, then the likelihood "
    "ration would be .6667 / (1 - .9100) = 7.408. If the pretest probability (prevalence) rate "
    "was .03, then the posttest probability would be .186. These figures are from an example "
    "presented a search of 'Pre- and post-test probability' on Wikipedia.\r\n"
    "\r\n"
    "\r\n"
    "*******************************************************************************************"
    "\r\n"
    "\r\n"
    "Quorvan 2.0, copyright 2019-2026 the Quorvan authors.\r\n"
    "\r\n"
    "Reference as: The Quorvan authors (2026). Quorvan, version 2.0 [Computer software]. "
    "Published by the Quorvan authors.\r\n"
    "\r\n"
    "Quorvan is provided as is, without warranty of any kind. It is to be used with care and "
    "professional judgement by a suitably qualified user, who bears the responsibility for "
    "decisions and reports based on its results. The Quorvan authors accept no liability for "
    "damages arising from miscalculation or misuse.";

}  // namespace quorvan
