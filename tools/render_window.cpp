// Renders the checkup window to a PNG, for the README and for checking the
// layout by eye:  render_window OUT.png [scenario]
// Scenario "judged" enters one examinee and judges it, so that the result
// labels and the value colours show.
#include "app/form3.h"
#include "state/design_names.h"

#include <QApplication>
#include <QPixmap>
#include <QTest>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [judged]\n", argv[0]);
        return 2;
    }
    Form3 window;
    window.show();
    QTest::qWait(200);
    if (argc > 2 && QByteArrayView(argv[2]) == "judged") {
        FormControls &form = window.controls();
        const std::pair<Field, const char *> values[] = {
            {Field::Text9, "170"}, {Field::Text10, "75"}, {Field::Text12, "92"}, {Field::Text1, "138"},
            {Field::Text2, "82"},  {Field::Text6, "160"}, {Field::Text7, "38"},  {Field::Text4, "104"},
            {Field::Text5, "6.1"},
        };
        for (const auto &[field, text] : values)
            form.setText(field, QString::fromLatin1(text));
        QTest::mouseClick(window.findChild<QWidget *>(QLatin1String(designName(Command::Command1))), Qt::LeftButton);
    }
    // The desktop's own window colour, for checks that a theme was in force.
    std::printf("desktop window colour %s\n", qPrintable(QApplication::palette().color(QPalette::Window).name()));
    const bool saved = window.grab().save(QString::fromLocal8Bit(argv[1]));
    return saved ? 0 : 1;
}
