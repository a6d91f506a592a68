#pragma once

#include <QString>

// The entries that a judgement's checks and colours look at, as the window
// shows them at the click.
struct EntrySnapshot {
    QString height;         // Text9
    QString weight;         // Text10
    QString waist;          // Text12
    QString bmi;            // Label30, the BMI as displayed
    QString systolic;       // Text1
    QString diastolic;      // Text2
    QString triglycerides;  // Text6
    QString hdl;            // Text7
    QString fastingGlucose; // Text4
    QString hba1c;          // Text5
    bool female = false;    // Option6 selected
};
