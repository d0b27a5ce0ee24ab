#pragma once
// The program's own glyphs, drawn with the painter so that they stay sharp at any
// size and need no image files: one consistent set for both toolbars, and the logo.
#include <QIcon>
#include <QPixmap>

namespace lovaris::ui {

enum class Glyph {
    None,
    Open,
    New,
    Save,
    Print,
    TestData,
    Run,
    Params,
    Help,
    Automatic,
    EndPlanning,
    Manual,
    Control,
    WeekVariants,
    Optimize,
    SetRooms,
    Statistics,
    Substitutions,
};

QIcon GlyphIcon(Glyph glyph);
// The program's logo: a week grid with planned lessons.
QPixmap LogoPixmap(int size);
QIcon LogoIcon();

}  // namespace lovaris::ui
