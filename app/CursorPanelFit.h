#pragma once

#include <QFont>
#include <QString>

#include <array>
#include <functional>

// The width of the cursor panel's widest line, measured again only for a line whose length has
// changed since the last call, or for all after a change of font. Measuring a label costs several
// times the rest of a mouse read-out, which runs at every mouse move, while the lines mostly keep
// their lengths from one move to the next.
class CursorPanelFit {
public:
    static constexpr int lineCount = 4;
    using Lines = std::array<QString, lineCount>;

    // measure(i) gives the width of line i in pixels.
    int widest(const Lines& lines, const QFont& font, const std::function<int(int)>& measure);

private:
    std::array<qsizetype, lineCount> lengths_{-1, -1, -1, -1};  // characters; -1 before the first call
    std::array<int, lineCount> widths_{};                         // pixels
    QFont font_;
};
