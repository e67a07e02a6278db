// SPDX-License-Identifier: GPL-3.0-or-later
// tintrix_artgen <output folder> [expected file...]
// Draws every picture of the game into the output folder as PNG files, and the application
// icon also as SVG. When expected file
// names are given (the build lists the files it bundles), the set written must match them
// exactly. Any picture of the wrong size, a failed write or a mismatch fails the run.
#include "Artwork.h"

// Qt
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QSet>

// Std
#include <cstdio>

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "tintrix_artgen: error: %s\n", qPrintable(message));
    return 1;
}

QString SizeText(QSize s) { return QStringLiteral("%1x%2").arg(s.width()).arg(s.height()); }

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2)
        return Fail("usage: tintrix_artgen <output folder> [expected file...]");

    const QDir out(args.at(1));
    if (!QDir().mkpath(out.path()))
        return Fail("cannot create " + out.path());

    QSet<QString> written;
    for (const tintrix::art::Picture& picture : tintrix::art::Catalogue()) {
        const QList<int> scales = picture.doubled ? QList<int>{1, 2} : QList<int>{1};
        for (int scale : scales) {
            const QString file = picture.name + (scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale)) + ".png";
            const QSize expected = picture.size * scale;
            const QImage image = picture.draw(scale);
            if (image.size() != expected)
                return Fail(QStringLiteral("%1 was drawn %2, expected %3").arg(file, SizeText(image.size()), SizeText(expected)));
            const QString path = out.filePath(file);
            if (!image.save(path, "PNG"))
                return Fail("cannot write " + path);
            // Read back what is on disk: the file, not the image in memory, is what ships.
            const QSize onDisk = QImageReader(path).size();
            if (onDisk != expected)
                return Fail(QStringLiteral("%1 on disk is %2, expected %3").arg(path, SizeText(onDisk), SizeText(expected)));
            written.insert(file);
        }
    }

    // The scalable application icon, written as SVG text.
    {
        const QString file = QStringLiteral("tintrix.svg");
        QFile svg(out.filePath(file));
        const QByteArray text = tintrix::art::LogoSvg(256);
        if (!svg.open(QIODevice::WriteOnly) || svg.write(text) != text.size() || !svg.flush())
            return Fail("cannot write " + svg.fileName());
        written.insert(file);
    }

    if (args.size() > 2) {
        const QSet<QString> expected(args.begin() + 2, args.end());
        QStringList missing = (expected - written).values();
        QStringList extra = (written - expected).values();
        missing.sort();
        extra.sort();
        for (const QString& file : missing)
            std::fprintf(stderr, "tintrix_artgen: error: %s is expected but not drawn\n", qPrintable(file));
        for (const QString& file : extra)
            std::fprintf(stderr, "tintrix_artgen: error: %s is drawn but not expected\n", qPrintable(file));
        if (expected != written)
            return Fail("the pictures drawn do not match the files the build expects");
    }
    std::printf("tintrix_artgen: %lld pictures in %s\n", static_cast<long long>(written.size()), qPrintable(out.path()));
    return 0;
}
