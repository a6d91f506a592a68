#pragma once

#include "examinee/examinee.h"
#include "state/measured_items.h"

#include <QString>

#include <array>
#include <optional>

// The non-fasting value a file gives of each item whose fasting value the
// window reads (empty where it gives none), by Entry.
using NonFastingValues = std::array<QString, kEntryCount>;

// The examinee as the current programme reads the same values, where it
// reads them otherwise than the window; none where it reads them alike.
// The programme reads fasting glucose before HbA1c (HbA1c does not count
// for glucose where fasting glucose is there); from fiscal 2024 it counts a
// non-fasting triglyceride at its own limit where no fasting value is
// there; and it takes a non-fasting glucose where neither fasting glucose
// nor HbA1c is there. The examinee returned is judged by the window's own
// handlers: the programme's rules are never written a second time.
std::optional<Examinee> programmeReading(const Examinee &examinee, const NonFastingValues &nonFasting);
