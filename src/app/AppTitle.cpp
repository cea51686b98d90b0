#include "app/AppTitle.h"

#include <QCoreApplication>

namespace tw {

QString TitleFromProgramPath(const QString &programPath) {
  QString name = programPath.mid(programPath.lastIndexOf(QLatin1Char('/')) + 1);
  const qsizetype dot = name.indexOf(QLatin1Char('.'));
  if (dot >= 0) name.truncate(dot);
  if (name.isEmpty()) return name;
  // The first character may be a surrogate pair; it stays as it is.
  const qsizetype first = name.at(0).isHighSurrogate() && name.size() > 1 ? 2 : 1;
  return name.left(first) + name.mid(first).toLower();
}

QString ApplicationTitle() {
  return TitleFromProgramPath(QCoreApplication::applicationFilePath());
}

}  // namespace tw
