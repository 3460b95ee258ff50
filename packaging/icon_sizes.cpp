// Scales the program icon to the sizes of the hicolor theme at build time, so only one
// picture is kept in the tree.
// Usage: quorkit-icon-sizes SOURCE.png OUTDIR NAME SIZE...
// writes OUTDIR/SIZExSIZE/apps/NAME.png for every SIZE.
#include <QDir>
#include <QImage>
#include <QSaveFile>
#include <QString>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: %s SOURCE.png OUTDIR NAME SIZE...\n", argv[0]);
    return 2;
  }
  const QImage source(QString::fromLocal8Bit(argv[1]));
  if (source.isNull()) {
    std::fprintf(stderr, "%s: cannot read the picture\n", argv[1]);
    return 1;
  }
  const QString outdir = QString::fromLocal8Bit(argv[2]);
  const QString name = QString::fromLocal8Bit(argv[3]);
  for (int i = 4; i < argc; ++i) {
    char* end = nullptr;
    const long size = std::strtol(argv[i], &end, 10);
    if (end == argv[i] || *end != '\0' || size < 1 || size > 1024) {
      std::fprintf(stderr, "%s: not a size\n", argv[i]);
      return 2;
    }
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(outdir).arg(size);
    if (!QDir().mkpath(folder)) {
      std::fprintf(stderr, "%s: cannot create the folder\n", qPrintable(folder));
      return 1;
    }
    const QImage scaled =
        source.convertToFormat(QImage::Format_ARGB32)
            .scaled(int(size), int(size), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // QSaveFile writes beside the target and renames only a complete picture over it.
    QSaveFile file(QStringLiteral("%1/%2.png").arg(folder, name));
    if (!file.open(QIODevice::WriteOnly) || !scaled.save(&file, "PNG") || !file.commit()) {
      std::fprintf(stderr, "%s: cannot write the picture\n", qPrintable(file.fileName()));
      return 1;
    }
  }
  return 0;
}
