#include "app/window/note_placement.h"

#include "app/window/find_control.h"

#include <QWidget>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// A note moved clear of a button keeps this far from it.
constexpr int kGapPx = 2;

constexpr Command kButtons[] = {Command::Command1, Command::Command2, Command::Command3};

// The top-left corner that puts a note of `size` wholly on `screen` as near
// `at` as it can; a note larger than the screen keeps to its top-left.
QPoint ontoScreen(QSize size, QPoint at, QRect screen)
{
    const int x = std::max(screen.left(), std::min(at.x(), screen.right() + 1 - size.width()));
    const int y = std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - size.height()));
    return {x, y};
}

} // namespace

QPoint placeNote(QSize size, QPoint natural, std::span<const QRect> keepClear, QRect screen)
{
    const QPoint start = ontoScreen(size, natural, screen);
    const auto clear = [&](QPoint at) {
        const QRect note(at, size);
        return screen.contains(note)
               && std::none_of(keepClear.begin(), keepClear.end(), [&](const QRect &k) { return note.intersects(k); });
    };
    // Every column and row where the note could sit just beside a rectangle
    // to keep clear, with the note's own; their crossings are the places.
    std::vector<int> columns{start.x()};
    std::vector<int> rows{start.y()};
    for (const QRect &k : keepClear) {
        columns.insert(columns.end(), {k.left() - kGapPx - size.width(), k.right() + 1 + kGapPx});
        rows.insert(rows.end(), {k.top() - kGapPx - size.height(), k.bottom() + 1 + kGapPx});
    }
    std::optional<QPoint> best;
    for (int x : columns) {
        for (int y : rows) {
            const QPoint at(x, y);
            if (clear(at) && (!best || (at - start).manhattanLength() < (*best - start).manhattanLength()))
                best = at;
        }
    }
    return best.value_or(start);
}

QList<QRect> buttonsToKeepClear(QWidget &window)
{
    QList<QRect> areas;
    for (Command command : kButtons) {
        const QWidget *button = findControl(window, command);
        // Only what shows: on a small screen a button scrolled out of view
        // cannot be covered.
        const QRect shown = button->visibleRegion().boundingRect();
        if (button->isVisible() && !shown.isEmpty())
            areas << QRect(button->mapToGlobal(shown.topLeft()), shown.size());
    }
    return areas;
}
