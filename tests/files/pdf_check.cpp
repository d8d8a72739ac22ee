#include "pdf_check.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QString Output(const QString& program, const QStringList& arguments, int* code = nullptr) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    if (code != nullptr) {
        *code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

bool PdfToolsAvailable() {
    return QFileInfo("/usr/bin/pdfinfo").isExecutable() &&
           QFileInfo("/usr/bin/pdftoppm").isExecutable();
}

int PdfPageCount(const QString& pdf) {
    int code = 0;
    const QString info = Output("pdfinfo", {pdf}, &code);
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(info);
    return code == 0 && pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

bool PdfIsBlank(const QString& pdf) {
    QTemporaryDir dir;
    int code = 0;
    Output("pdftoppm", {"-r", "30", "-gray", pdf, dir.filePath("page")}, &code);
    const QStringList pages = QDir(dir.path()).entryList({"page*"}, QDir::Files);
    if (code != 0 || pages.isEmpty()) {
        return false;
    }
    for (const QString& page : pages) {
        const QImage image(QDir(dir.path()).filePath(page));
        if (image.isNull()) {
            return false;
        }
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) != 255) {
                    return false;
                }
            }
        }
    }
    return true;
}
