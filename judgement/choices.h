#pragma once

// The option groups as the window shows them at the click, beside the
// entries: what the copied record lists and what tells a smoker whose smoking
// did not count from a non-smoker. (The sex is in EntrySnapshot, where the
// colours need it.)
struct ChoiceSnapshot {
    bool bloodPressureDrugs = false; // Option10 "あり"
    bool lipidDrugs = false;         // Option8 "あり"
    bool glucoseDrugs = false;       // Option4 "あり"
    bool smoker = false;             // Option2 "あり"
};
