#include "view/file_filter.h"

#include <QRegularExpression>
#include <QStringList>

namespace view {

QString qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    if (parts.size() < 2) return filter;
    static const QRegularExpression shown(QStringLiteral("\\(([^)]*)\\)\\s*$"));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        QStringList patterns;
        if (const QRegularExpressionMatch match = shown.match(name); match.hasMatch()) {
            patterns = match.captured(1).split(u' ', Qt::SkipEmptyParts);
            name = name.left(match.capturedStart()).trimmed();
        }
        for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            if (!patterns.contains(pattern.trimmed())) patterns << pattern.trimmed();
        }
        entries << name + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return entries.join(QStringLiteral(";;"));
}

}  // namespace view
