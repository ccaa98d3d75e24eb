#include "settings/colorscheme.h"

namespace mirvel {
namespace {

struct SchemeRow {
  const char* name;
  QRgb colours[ColorScheme::kColourCount];
};

constexpr SchemeRow kSchemes[ColorScheme::kSchemeCount] = {
    {"základná", {0xE7F1FE, 0x000000, 0x000080, 0xFF0000, 0xFF8000, 0x008000}},
    {"biele pozadie", {0xFFFFFF, 0x000000, 0x000080, 0xFF0000, 0xFF8000, 0x008000}},
    {"bledožlté pozadie", {0xFFFFEE, 0x000000, 0x000080, 0xFF0000, 0xFF8000, 0x008000}},
    {"modré pozadie", {0x000080, 0xFFFF00, 0x2B92BE, 0xFF0000, 0xE7A460, 0x01BE01}},
    {"zelené pozadie", {0x01B601, 0xFFFF00, 0x2B92BE, 0xFF2727, 0xFF952B, 0x01BE01}},
    {"šedé pozadie", {0xC0C0C0, 0x000000, 0x000080, 0xFF0000, 0xFF8000, 0x008000}},
    {"čierne pozadie", {0x000000, 0xFFFF00, 0x2B92BE, 0xFF2727, 0xFF952B, 0x01BE01}},
};

}  // namespace

QColor ColorScheme::Get(int scheme, int colour) {
  if (scheme < 0 || scheme >= kSchemeCount) scheme = 0;
  if (colour < 0 || colour >= kColourCount) colour = 0;
  return QColor::fromRgb(kSchemes[scheme].colours[colour]);
}

QString ColorScheme::Name(int scheme) {
  if (scheme < 0 || scheme >= kSchemeCount) scheme = 0;
  return QString::fromUtf8(kSchemes[scheme].name);
}

QStringList ColorScheme::Names() {
  QStringList names;
  for (int s = 0; s < kSchemeCount; ++s) names << Name(s);
  return names;
}

}  // namespace mirvel
