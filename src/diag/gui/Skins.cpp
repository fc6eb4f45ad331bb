#include "diag/gui/Skins.h"

#include <algorithm>

namespace {

// The colours a look is made of; the rest of the palette (bevels, disabled texts, tips,
// alternate rows) follows from them.
struct TSkin {
    const char* name;
    QRgb window, windowText, base, text, button, buttonText, highlight, highlightedText, link;
};

// Dark looks keep light texts on dark grounds, light looks the reverse; every highlight
// carries its text at a contrast of at least 4.5 to 1.
// clang-format off
constexpr TSkin Skins[] = {
    // name                      window    winText   base      text      button    btnText   highlight hlText    link
    {"Amakrits",                  0x2b2622, 0xeadfce, 0x1e1a17, 0xeadfce, 0x3b332c, 0xeadfce, 0xa85f12, 0xffffff, 0xf0a55a},
    {"Amethyst Kamri",            0xe9e2f0, 0x2a1f36, 0xfbf8fd, 0x2a1f36, 0xdcd0ea, 0x2a1f36, 0x7b4fa3, 0xffffff, 0x6a3d96},
    {"Aqua Graphite",             0x353a3f, 0xe6eef2, 0x272a2e, 0xe6eef2, 0x454c53, 0xe6eef2, 0x1f7a91, 0xffffff, 0x6cc8de},
    {"Aqua Light Slate",          0xd8e0e8, 0x1b2733, 0xf4f7fa, 0x1b2733, 0xc8d4df, 0x1b2733, 0x37789a, 0xffffff, 0x2b6c8f},
    {"Auric",                     0x2a2927, 0xf0e6c8, 0x1d1c1a, 0xf0e6c8, 0x3c3831, 0xf0e6c8, 0xc99a2e, 0x16140f, 0xe6c060},
    {"Carbon",                    0x202020, 0xe0e0e0, 0x161616, 0xe0e0e0, 0x2f2f2f, 0xe0e0e0, 0x3d6fa8, 0xffffff, 0x7fb2ee},
    {"Charcoal Dark Slate",       0x2f353b, 0xdde3e8, 0x23282d, 0xdde3e8, 0x3e464e, 0xdde3e8, 0x4f6d8c, 0xffffff, 0x8fb8e0},
    {"Cobalt XEMedia",            0x1c2a44, 0xe4ecf8, 0x13203a, 0xe4ecf8, 0x273b60, 0xe4ecf8, 0x2f63c4, 0xffffff, 0x8ab4ff},
    {"Cyan Dusk",                 0x1f3438, 0xdff3f5, 0x16272a, 0xdff3f5, 0x2b484d, 0xdff3f5, 0x137f8c, 0xffffff, 0x6fd6e3},
    {"Cyan Night",                0x141b22, 0xd6f4f8, 0x0d1217, 0xd6f4f8, 0x1f2b35, 0xd6f4f8, 0x00808e, 0xffffff, 0x4fd8ea},
    {"Emerald Light Slate",       0xdce5e1, 0x1a2b25, 0xf5f8f7, 0x1a2b25, 0xcad8d2, 0x1a2b25, 0x1d7f53, 0xffffff, 0x176b45},
    {"Glossy",                    0x2c2c31, 0xf0f0f0, 0x1f1f22, 0xf0f0f0, 0x4a4a52, 0xffffff, 0x3f6fd0, 0xffffff, 0x8fb4ff},
    {"Glow",                      0x1e2126, 0xeaeaea, 0x15171b, 0xeaeaea, 0x2c3038, 0xeaeaea, 0xf08a2c, 0x111111, 0xffb066},
    {"Golden Graphite",           0x33312e, 0xede5d1, 0x262421, 0xede5d1, 0x46423c, 0xede5d1, 0xc9a032, 0x1a1a1a, 0xe8c45c},
    {"Iceberg Classico",          0xe2ecf2, 0x102030, 0xffffff, 0x102030, 0xd0e0ea, 0x102030, 0x35799f, 0xffffff, 0x1f6690},
    {"Lavender Classico",         0xe7e3f1, 0x231c33, 0xfdfcff, 0x231c33, 0xd7d0e9, 0x231c33, 0x6c5eab, 0xffffff, 0x5646a0},
    {"Light",                     0xf3f3f3, 0x1a1a1a, 0xffffff, 0x1a1a1a, 0xe6e6e6, 0x1a1a1a, 0x2f6fc4, 0xffffff, 0x1f5fb4},
    {"Light Green",               0xe7f0e4, 0x182a14, 0xffffff, 0x182a14, 0xd4e5cf, 0x182a14, 0x3a8434, 0xffffff, 0x2b7026},
    {"Lilac",                     0xefe2ef, 0x2e1b2e, 0xfdf8fd, 0x2e1b2e, 0xe1cde1, 0x2e1b2e, 0x9a4c99, 0xffffff, 0x863a85},
    {"Luna",                      0xece9d8, 0x000000, 0xffffff, 0x000000, 0xf4f2e8, 0x000000, 0x316ac5, 0xffffff, 0x0b4fb8},
    {"Metro Black",               0x1b1b1b, 0xf2f2f2, 0x111111, 0xf2f2f2, 0x2d2d2d, 0xf2f2f2, 0x0b74a8, 0xffffff, 0x4fc3f7},
    {"Metro Blue",                0x1f4e8c, 0xffffff, 0xf5f8fc, 0x101820, 0x2b63a8, 0xffffff, 0x163d6e, 0xffffff, 0x1a56a6},
    {"Metro Green",               0x1e6b3a, 0xffffff, 0xf5faf6, 0x102015, 0x2a8049, 0xffffff, 0x14502b, 0xffffff, 0x17703a},
    {"Metropolis UI Black",       0x121212, 0xffffff, 0x0a0a0a, 0xffffff, 0x262626, 0xffffff, 0xb93c1e, 0xffffff, 0xff8a65},
    {"Metropolis UI Blue",        0x0f3b6e, 0xffffff, 0x0b2d54, 0xffffff, 0x18508f, 0xffffff, 0x1d6fc9, 0xffffff, 0x9ccaff},
    {"Metropolis UI Dark",        0x2d2d30, 0xf1f1f1, 0x252526, 0xf1f1f1, 0x3e3e42, 0xf1f1f1, 0x007acc, 0xffffff, 0x6cb8f0},
    {"Metropolis UI Green",       0x0f3d24, 0xf2fff6, 0x0a2e1a, 0xf2fff6, 0x175a35, 0xf2fff6, 0x23804a, 0xffffff, 0x8fe0b0},
    {"Obsidian",                  0x242a31, 0xe3e8ee, 0x1a1f24, 0xe3e8ee, 0x353d46, 0xe3e8ee, 0x43709f, 0xffffff, 0x8cb6e6},
    {"Ruby Graphite",             0x302b2c, 0xf0e4e6, 0x231f20, 0xf0e4e6, 0x443c3e, 0xf0e4e6, 0xa3203a, 0xffffff, 0xf28a9c},
    {"Sapphire Kamri",            0xdae3f4, 0x0f1d3a, 0xf7f9fe, 0x0f1d3a, 0xc4d2ee, 0x0f1d3a, 0x1f4fb4, 0xffffff, 0x1a45a0},
    {"Silver",                    0xdcdde0, 0x1b1c1e, 0xfafafa, 0x1b1c1e, 0xc9cacd, 0x1b1c1e, 0x5f6e82, 0xffffff, 0x2d5c9a},
    {"Sky",                       0xdfeffa, 0x0c2638, 0xffffff, 0x0c2638, 0xc5e3f6, 0x0c2638, 0x1d73b3, 0xffffff, 0x1464a3},
    {"Slate Classico",            0xc8ced4, 0x151a1f, 0xeef1f4, 0x151a1f, 0xb6bfc7, 0x151a1f, 0x4b5d70, 0xffffff, 0x24507e},
    {"Smokey Quartz Kamri",       0x4a4440, 0xefe7e0, 0x3a3531, 0xefe7e0, 0x5b544f, 0xefe7e0, 0x86654a, 0xffffff, 0xe6b98f},
    {"Tablet Light",              0xfafafa, 0x202020, 0xffffff, 0x202020, 0xededed, 0x202020, 0x0067c0, 0xffffff, 0x0067c0},
    {"TabletDark",                0x1f1f1f, 0xf0f0f0, 0x2a2a2a, 0xf0f0f0, 0x363636, 0xf0f0f0, 0x0067c0, 0xffffff, 0x6cb8ff},
    {"Turquoise Gray",            0xd5dbdb, 0x1a2424, 0xf4f6f6, 0x1a2424, 0xc3cbcb, 0x1a2424, 0x117a7a, 0xffffff, 0x0d6a6a},
};
// clang-format on

const TSkin* FindSkin(const QString& name) {
    for (const TSkin& skin : Skins)
        if (name.compare(QLatin1String(skin.name), Qt::CaseInsensitive) == 0)
            return &skin;
    return nullptr;
}

QColor Mix(const QColor& from, const QColor& to, double share) {
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * share),
                            float(from.greenF() + (to.greenF() - from.greenF()) * share),
                            float(from.blueF() + (to.blueF() - from.blueF()) * share));
}

bool IsDark(const QColor& colour) {
    return colour.lightnessF() < 0.5;
}

QPalette PaletteOf(const TSkin& skin) {
    const QColor window(skin.window), windowText(skin.windowText), base(skin.base), text(skin.text);
    const QColor button(skin.button), buttonText(skin.buttonText);
    // Bevels and frames from the button colour, as the standard palette derives them.
    QPalette palette(windowText, button, button.lighter(150), button.darker(200), button.darker(130), text,
                     IsDark(window) ? QColor(Qt::white) : QColor(Qt::black), base, window);
    palette.setColor(QPalette::ButtonText, buttonText);
    palette.setColor(QPalette::Highlight, QColor(skin.highlight));
    palette.setColor(QPalette::HighlightedText, QColor(skin.highlightedText));
    palette.setColor(QPalette::Link, QColor(skin.link));
    palette.setColor(QPalette::LinkVisited, Mix(QColor(skin.link), text, 0.3));
    palette.setColor(QPalette::AlternateBase, Mix(base, window, 0.5));
    palette.setColor(QPalette::ToolTipBase, IsDark(window) ? window.darker(130) : QColor(0xffffe1));
    palette.setColor(QPalette::ToolTipText, IsDark(window) ? windowText : QColor(Qt::black));
    palette.setColor(QPalette::PlaceholderText, Mix(text, base, 0.45));
    palette.setColor(QPalette::Shadow, IsDark(window) ? QColor(Qt::black) : button.darker(300));
    // Switched-off controls: texts fade towards their ground, still legible.
    palette.setColor(QPalette::Disabled, QPalette::WindowText, Mix(windowText, window, 0.5));
    palette.setColor(QPalette::Disabled, QPalette::Text, Mix(text, base, 0.5));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, Mix(buttonText, button, 0.5));
    palette.setColor(QPalette::Disabled, QPalette::Base, window);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, Mix(QColor(skin.highlight), window, 0.5));
    palette.setColor(QPalette::Disabled, QPalette::HighlightedText,
                     Mix(QColor(skin.highlightedText), window, 0.3));
    // The inactive window keeps its selection visible.
    palette.setColor(QPalette::Inactive, QPalette::Highlight, QColor(skin.highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, QColor(skin.highlightedText));
    return palette;
}

} // namespace

QStringList StyleNames() {
    QStringList names{DesktopStyleName};
    for (const TSkin& skin : Skins)
        names.append(QString::fromLatin1(skin.name));
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

std::optional<QString> KnownStyleName(const QString& name) {
    if (name.compare(DesktopStyleName, Qt::CaseInsensitive) == 0)
        return DesktopStyleName;
    if (const TSkin* skin = FindSkin(name))
        return QString::fromLatin1(skin->name);
    return std::nullopt;
}

std::optional<QPalette> SkinPalette(const QString& name) {
    if (const TSkin* skin = FindSkin(name))
        return PaletteOf(*skin);
    return std::nullopt;
}
