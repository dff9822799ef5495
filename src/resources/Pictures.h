#pragma once

#include <QImage>
#include <QList>
#include <QRgb>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <Qt>

#include <array>

class QFont;
class QPainter;
class QRectF;

// The pictures of the program's buttons. Each is the desktop theme's icon of its name when the theme
// has one; otherwise the program's own: a rounded square of one colour with a white glyph. The
// program's own are drawn at build time at the sizes buttons ask for (kBundledSides), so that a start
// unpacks a few small pictures instead of loading the symbol glyphs' part of a font and rasterising
// them at a size no text uses; other sizes (a scaled screen) are drawn when first asked for.
enum class Picture {
    Connect,
    HangUp,
    Configuration,
    Help,
    About,
    Exit,
    ToTray,
    Scan,
    History,
    NextTab,
    PreviousTab,
    Sound,
    SaveProfile,
    CancelProfile,
    CloseWithoutSaving,
    BackToConfiguration,
    PlaySample,
    SoundOk,
    Modem,
    CreateShortcut,
    CancelShortcut,
    Close,
    CloseHelp,
};

struct PictureLook {
    const char* themeName;
    char16_t glyph;
    QRgb colour;
};

// Indexed by Picture.
inline constexpr std::array<PictureLook, 23> kPictures{{
    {"network-connect", u'\u260E', 0xff2e8b57},
    {"network-disconnect", u'\u2715', 0xffb22222},
    {"preferences-system", u'\u2699', 0xff555577},
    {"help-contents", u'?', 0xff3366cc},
    {"help-about", u'i', 0xff339999},
    {"application-exit", u'\u21E5', 0xff883333},
    {"go-down", u'\u2193', 0xff666666},
    {"edit-find", u'\u21BB', 0xffcc8800},
    {"office-chart-bar", u'\u2261', 0xff6a4c93},
    {"go-next", u'\u25B6', 0xff2a6fb0},
    {"go-previous", u'\u25C0', 0xff2a6fb0},
    {"audio-volume-high", u'\u266A', 0xff6a4c9c},
    {"document-save", u'\u2713', 0xff2e8b57},
    {"dialog-cancel", u'\u2715', 0xffb22222},
    {"dialog-ok", u'\u2713', 0xff2e8b57},
    {"go-previous", u'\u21A9', 0xffb22222},
    {"media-playback-start", u'\u25B6', 0xff2e7d32},
    {"dialog-ok", u'\u2713', 0xff1565c0},
    {"network-modem", u'M', 0xff1565c0},
    {"document-new", u'\u2713', 0xff2e7d32},
    {"dialog-cancel", u'\u2715', 0xffc62828},
    {"window-close", u'\u2715', 0xffb22222},
    {"window-close", u'\u2715', 0xff1565c0},
}};
static_assert(int(Picture::CloseHelp) + 1 == int(kPictures.size()));

inline const PictureLook& pictureLook(Picture picture) {
    return kPictures[size_t(picture)];
}

inline constexpr std::array kBundledSides{16, 24, 32, 48};

// The sizes of the program's icon drawn from its SVG at build time (src/resources/CMakeLists.txt).
inline constexpr std::array kAppIconSides{16, 32, 48, 64, 128};

// Squares of the given sides, as an icon engine lists the sizes it was made for.
template <size_t N> QList<QSize> squareSizes(const std::array<int, N>& sides) {
    QList<QSize> sizes;
    for (const int side : sides)
        sizes.append(QSize(side, side));
    return sizes;
}

// The program's own `picture`, drawn now: a rounded square of its colour with its glyph in white,
// heavy, `side` pixels square.
QImage drawPicture(Picture picture, int side);

// The picture as drawn at build time, or a null image when it was not drawn at that size.
QImage bundledPicture(Picture picture, int side);

// The program's icon as drawn at build time at one of kAppIconSides, or a null image.
QImage appIconPicture(int side);

// Draws `text` in `font` made heavier, as a bold face would show it: struck twice, the second time a
// pixel to the right (more for large text), so that each upright stroke is a pixel wider. The bold face
// is a font file of its own, with shaping tables and caches (about 300 KB a start would hold for a
// clock); the regular face is loaded for every other text already. Aligned in `rect` as
// QPainter::drawText aligns one line; in the painter's pen.
void drawHeavyText(QPainter& painter, const QRectF& rect, Qt::Alignment alignment, const QFont& font,
                   const QString& text);

// The size `text` takes when drawn by drawHeavyText.
QSizeF heavyTextSize(const QFont& font, const QString& text);
