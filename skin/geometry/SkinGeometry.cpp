#include "skin/geometry/SkinGeometry.h"

#include <algorithm>

namespace tandrel {

TSkinRect SkinFrameRect(int imageWidth, int imageHeight, int count, int index, TFrameLayout layout)
{
    imageWidth = std::max(0, imageWidth);
    imageHeight = std::max(0, imageHeight);
    count = std::max(1, count);
    index = std::clamp(index, 1, count);
    if (layout == TFrameLayout::flVertical) {
        int const height = imageHeight / count;
        return { 0, (index - 1) * height, imageWidth, index * height };
    }
    int const width = imageWidth / count;
    return { (index - 1) * width, 0, index * width, imageHeight };
}

std::vector<TSkinPiece> NineSlicePieces(const TSkinRect& frame, int width, int height, TSkinMargins margins,
                                        TNineSliceMiddle middle)
{
    std::vector<TSkinPiece> pieces;
    pieces.reserve(9);
    int const w = std::max(0, width);
    int const h = std::max(0, height);
    int const fw = std::max(0, frame.Width());
    int const fh = std::max(0, frame.Height());

    int l = std::max(0, margins.Left);
    int r = std::max(0, margins.Right);
    int t = std::max(0, margins.Top);
    int b = std::max(0, margins.Bottom);
    // 64-bit sums: margins come from strangers.
    if (static_cast<long long>(l) + r > w)
        l = r = 0;
    if (static_cast<long long>(t) + b > h)
        t = b = 0;

    // Source margins: no more than the frame holds.
    int const sl = std::min(l, fw);
    int const sr = std::min(r, fw - sl);
    int const st = std::min(t, fh);
    int const sb = std::min(b, fh - st);

    int const ox = frame.Left;
    int const oy = frame.Top;
    auto add = [&](bool wanted, TSkinRect source, TSkinRect dest, bool isMiddle = false) {
        if (!wanted || source.Empty() || dest.Empty())
            return;
        source.Left += ox;
        source.Right += ox;
        source.Top += oy;
        source.Bottom += oy;
        pieces.push_back({ source, dest, isMiddle });
    };
    add(l > 0 && t > 0, { 0, 0, sl, st }, { 0, 0, l, t });
    add(l > 0 && b > 0, { 0, fh - sb, sl, fh }, { 0, h - b, l, h });
    add(r > 0 && t > 0, { fw - sr, 0, fw, st }, { w - r, 0, w, t });
    add(l > 0, { 0, st, sl, fh - sb }, { 0, t, l, h - b });
    add(t > 0, { sl, 0, fw - sr, st }, { l, 0, w - r, t });
    add(middle == TNineSliceMiddle::nsWith, { sl, st, fw - sr, fh - sb }, { l, t, w - r, h - b }, true);
    add(r > 0 && b > 0, { fw - sr, fh - sb, fw, fh }, { w - r, h - b, w, h });
    add(r > 0, { fw - sr, st, fw, fh - sb }, { w - r, t, w, h - b });
    add(b > 0, { sl, fh - sb, fw - sr, fh }, { l, h - b, w - r, h });
    return pieces;
}

std::vector<TSkinPiece> SkinBarPieces(const TSkinRect& frame, int width, int height, int left, int right)
{
    std::vector<TSkinPiece> pieces;
    int const w = std::max(0, width);
    int const h = std::max(0, height);
    if (frame.Empty() || w == 0 || h == 0)
        return pieces;
    int const fw = frame.Width();
    int const l = std::max(0, left);
    int const r = std::max(0, right);
    long long const middle = static_cast<long long>(fw) - l - r;
    if (middle <= 0) {
        pieces.push_back({ frame, { 0, 0, w, h } });
        return pieces;
    }
    int const m = static_cast<int>(middle);
    auto column = [&](int from, int to) { return TSkinRect { frame.Left + from, frame.Top, frame.Left + to, frame.Bottom }; };
    if (l > 0)
        pieces.push_back({ column(0, l), { 0, 0, l, h } });
    for (long long x = l; x < static_cast<long long>(w) - r; x += m)
        pieces.push_back({ column(l, fw - r), { static_cast<int>(x), 0, static_cast<int>(x + m), h }, true });
    if (r > 0)
        pieces.push_back({ column(fw - r, fw), { w - r, 0, w, h } });
    return pieces;
}

TTilePlan PlanTiles(const TSkinRect& dest, int tileWidth, int tileHeight)
{
    TTilePlan plan;
    if (tileWidth <= 0 || tileHeight <= 0 || dest.Empty())
        return plan;
    constexpr long long PatternSide = 256;
    long long const columns = (static_cast<long long>(dest.Width()) + tileWidth - 1) / tileWidth;
    long long const rows = (static_cast<long long>(dest.Height()) + tileHeight - 1) / tileHeight;
    long long const coverWidth = columns * tileWidth;
    long long const coverHeight = rows * tileHeight;
    long long const patternWidth = std::clamp(PatternSide / tileWidth, 1LL, columns) * tileWidth;
    long long const patternHeight = std::clamp(PatternSide / tileHeight, 1LL, rows) * tileHeight;
    plan.PatternWidth = static_cast<int>(patternWidth);
    plan.PatternHeight = static_cast<int>(patternHeight);
    for (long long x = 0; x < coverWidth; x += patternWidth)
        for (long long y = 0; y < coverHeight; y += patternHeight) {
            long long const left = dest.Left + x;
            long long const top = dest.Top + y;
            plan.Blits.push_back({ static_cast<int>(left), static_cast<int>(top),
                                   static_cast<int>(left + std::min(patternWidth, coverWidth - x)),
                                   static_cast<int>(top + std::min(patternHeight, coverHeight - y)) });
        }
    return plan;
}

} // namespace tandrel
