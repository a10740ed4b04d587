#include "skin/geometry/SkinMenuGeometry.h"

#include <algorithm>

namespace tandrel {

namespace {
constexpr int kMaxIndent = 1000;
}

int MenuItemIndent(bool hasMenuItem, int leftWidth) { return hasMenuItem ? std::clamp(leftWidth, 0, kMaxIndent) : 0; }

int MeasuredPopupItemWidth(int width, int indent, bool hasImageList)
{
    return width + std::clamp(indent, 0, kMaxIndent) + 12 + (hasImageList ? 0 : 23);
}

int MeasuredBarItemWidth(int width, int indent, bool hasImageList)
{
    return width + std::clamp(indent, 0, kMaxIndent) + 10 + (hasImageList ? 0 : 25);
}

TMeasuredItem MeasuredHandleItem(int textWidth, int height, bool captionEmpty, int indent, bool oldPlatformFamily)
{
    TMeasuredItem m;
    m.Width = std::max(0, textWidth) + 26 + std::clamp(indent, 0, kMaxIndent);
    m.Height = captionEmpty ? 8 : height + 4;
    if (oldPlatformFamily)
        m.Height += 4;
    return m;
}

int MenuImageSize(int imageListWidth, bool checked)
{
    int size = imageListWidth > 0 ? std::min(imageListWidth, 256) : 16;
    return checked ? std::max(size, 16) : size;
}

TMenuItemLayout MenuItemLayout(const TSkinRect& item, int imageSize, int indent, bool separator, bool rightToLeft)
{
    TMenuItemLayout l;
    int const b = std::max(0, imageSize);
    int const top = item.Top + 1;
    indent = std::clamp(indent, 0, kMaxIndent);
    if (rightToLeft) {
        if (separator) {
            l.Box = {item.Right, top, item.Right, top};
        } else {
            int const right = item.Right - 1 - indent;
            l.Box = {right - b, top, right, top + b};
        }
        l.Text = {item.Left + 1, item.Top, l.Box.Left - 3, item.Bottom};
    } else {
        if (separator)
            l.Box = {0, top, 0, top};
        else
            l.Box = {item.Left + 1 + indent, top, item.Left + 1 + indent + b, top + b};
        l.Text = {l.Box.Right + 3, item.Top, item.Right - 1, item.Bottom};
    }
    return l;
}

TSkinRect CentredCaption(const TSkinRect& measured, int itemHeight)
{
    int const down = (itemHeight - measured.Height()) / 2;
    return {measured.Left, measured.Top + down, measured.Right, measured.Bottom + down};
}

TSkinRect ShortcutRect(const TMenuItemLayout& layout, const TSkinRect& caption, const TSkinRect& item,
                       bool rightToLeft)
{
    if (rightToLeft)
        return {layout.Text.Left + 10, caption.Top, layout.Text.Right, caption.Bottom};
    return {caption.Right, caption.Top, item.Right - 11, caption.Bottom};
}

TSkinRect CheckMarkRect(const TSkinRect& box, int width, int height)
{
    int const x = box.Left + (box.Width() - width) / 2 + 1;
    int const y = box.Top + (box.Height() - height) / 2 + 1;
    return {x, y, x + width, y + height};
}

std::vector<TSkinPiece> SeparatorPieces(int imageWidth, int imageHeight, int width, int height, int left, int right)
{
    std::vector<TSkinPiece> pieces;
    int const fw = std::max(0, imageWidth) / 5;
    int const ih = std::max(0, imageHeight);
    if (fw <= 0 || ih <= 0 || width <= 0 || height <= 0)
        return pieces;
    int const sy = height < ih ? ih - height : 0;
    int l = std::max(0, left);
    int r = std::max(0, right);
    if (static_cast<long long>(l) + r > fw || static_cast<long long>(l) + r > width)
        l = r = 0;
    auto add = [&](TSkinRect dest, TSkinRect source, bool middle) {
        if (!dest.Empty() && !source.Empty())
            pieces.push_back({source, dest, middle});
    };
    add({0, 0, l, height}, {fw, sy, fw + l, ih}, false);
    add({l, 0, width - r, height}, {fw + l, sy, 2 * fw - r, ih}, true);
    add({width - r, 0, width, height}, {2 * fw - r, sy, 2 * fw, ih}, false);
    return pieces;
}

std::vector<TSkinRect> PopupBorderBands(int width, int height)
{
    std::vector<TSkinRect> bands;
    if (width <= 0 || height <= 0)
        return bands;
    int const rows = std::min(kPopupBorder, height / 2);
    int const columns = std::min(kPopupBorder, width / 2);
    bands.push_back({0, 0, width, rows});
    bands.push_back({0, height - rows, width, height});
    bands.push_back({0, rows, columns, height - rows});
    bands.push_back({width - columns, rows, width, height - rows});
    std::erase_if(bands, [](const TSkinRect& r) { return r.Empty(); });
    return bands;
}

int SwitchedBarItem(int open, int count, int step)
{
    if (count <= 0)
        return -1;
    int const from = std::clamp(open, 0, count - 1);
    return ((from + step) % count + count) % count;
}

} // namespace tandrel
