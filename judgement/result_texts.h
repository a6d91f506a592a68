#pragma once

#include "judgement/checks.h"
#include "judgement/decision.h"

#include <QString>

// The captions of the result labels, character for character: a full-width
// digit, one ASCII space, the Japanese wording; ASCII parentheses. Each rule
// and each prompt has its one caption.
QString captionOf(ClassRule rule);
QString captionOf(GuidanceRule rule);
QString captionOf(Prompt prompt);
