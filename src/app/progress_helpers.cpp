#include "app/progress_helpers.h"

namespace app {

QString ColumnLetters(int n) {
    Q_ASSERT(n >= 0);
    // Columns count in base 26 without a zero: after "z" comes "aa", not "ba".
    QString letters;
    for (int rest = n + 1; rest > 0; rest = (rest - 1) / 26) {
        letters.prepend(QChar(u'a' + (rest - 1) % 26));
    }
    return letters;
}

int VariantToIntDef(const QVariant& value, int fallback) {
    // The text form decides, so that a whole number stored as 12.0 reads as 12 and 12.5 does not.
    bool ok = false;
    const int number = value.toString().toInt(&ok, 10);
    return ok ? number : fallback;
}

}  // namespace app
