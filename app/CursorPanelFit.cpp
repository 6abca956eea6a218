#include "app/CursorPanelFit.h"

#include <algorithm>

int CursorPanelFit::widest(const Lines& lines, const QFont& font, const std::function<int(int)>& measure)
{
    const bool newFont = !(font == font_);
    font_ = font;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (newFont || lines[i].size() != lengths_[i]) {
            lengths_[i] = lines[i].size();
            widths_[i] = measure(int(i));
        }
    }
    return *std::max_element(widths_.begin(), widths_.end());
}
