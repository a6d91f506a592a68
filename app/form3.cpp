#include "app/form3.h"

#include "app/accessibility.h"
#include "app/explanation_popup.h"
#include "app/fonts.h"
#include "app/form_builder.h"
#include "app/form_layout.h"
#include "app/message_line.h"
#include "app/palette.h"
#include "app/qt_form_controls.h"
#include "app/record_copy.h"
#include "state/design_names.h"

#include <QLabel>
#include <QTimer>

Form3::Form3(QWidget *parent) : QWidget(parent)
{
    setObjectName(QLatin1String(Layout::kWindowName));
    setWindowTitle(QLatin1String(Layout::kWindowCaption));
    setFont(designFont(Layout::kWindowFontPt));
    setFixedSize(Layout::pixels(Layout::kClientWidthTwips), Layout::pixels(Layout::kClientHeightTwips));
    setPalette(designPalette());
    setAutoFillBackground(true);

    buildControls(*this, Layout::form3Design());
    applyTabOrder(*this, Layout::form3Design());
    describeForAssistiveTechnology(*this);
    m_controls = new QtFormControls(*this);
    m_messageLine = new MessageLine(*findChild<QLabel *>(QStringLiteral("MessageLine")));
    m_recordCopy = new RecordCopy(*this, *m_messageLine);
    m_controls->setJudgedRecordSink([this](const QStringList &row) { m_recordCopy->keep(row); });
    new ExplanationPopup(*this);

    m_tmrDelay = new QTimer(this);
    m_tmrDelay->setObjectName(QStringLiteral("TmrDelay"));
    m_tmrDelay->setInterval(Layout::kStartupFocusDelayMs);
    connect(m_tmrDelay, &QTimer::timeout, this, &Form3::TmrDelay_Timer);
    m_tmrDelay->start();

    m_controls->setFocus(kFirstFocus);
}

FormControls &Form3::controls() { return *m_controls; }

MessageLine &Form3::messageLine() { return *m_messageLine; }

RecordCopy &Form3::recordCopy() { return *m_recordCopy; }

void Form3::TmrDelay_Timer()
{
    m_controls->setFocus(Field::Text9);
    m_tmrDelay->stop();
}
