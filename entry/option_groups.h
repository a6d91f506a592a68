#pragma once

#include "state/form_controls.h"

// Click handling of the option buttons, run whenever a button becomes
// selected: by the mouse, by the arrow keys within its group or by the
// program. Each brings the indicators that depend on the choice up to date.
void Option1_Click(FormControls &form);  // smoking "なし"
void Option2_Click(FormControls &form);  // smoking "あり"
void Option3_Click(FormControls &form);  // glucose drug treatment "なし"
void Option4_Click(FormControls &form);  // glucose drug treatment "あり"
void Option5_Click(FormControls &form);  // male
void Option6_Click(FormControls &form);  // female
void Option7_Click(FormControls &form);  // lipid drug treatment "なし"
void Option8_Click(FormControls &form);  // lipid drug treatment "あり"
void Option9_Click(FormControls &form);  // blood-pressure drug treatment "なし"
void Option10_Click(FormControls &form); // blood-pressure drug treatment "あり"
