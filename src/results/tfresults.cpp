#include "results/tfresults.h"

namespace mirvel {

TFResults::TFResults(QWidget* parent) : QDialog(parent) { setObjectName(QStringLiteral("TFResults")); }

}  // namespace mirvel
