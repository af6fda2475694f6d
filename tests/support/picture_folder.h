#pragma once
// The folder the picture tools save into, named by their one argument, and saving a window's picture.
#include <QApplication>
#include <QDir>
#include <QWidget>

#include <cstdio>
#include <optional>

namespace corvane::testing {

class PictureFolder {
public:
    // The folder (created when missing), or nullopt after printing the usage.
    static std::optional<PictureFolder> fromArguments(int argc, char* argv[]) {
        if (argc != 2) {
            std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
            return std::nullopt;
        }
        QDir dir(QString::fromLocal8Bit(argv[1]));
        dir.mkpath(".");
        return PictureFolder(dir);
    }

    // Lets pending events run (show handlers, layouts), then saves the window as <name>.png.
    bool save(QWidget& window, const QString& name) const {
        QApplication::processEvents();
        return window.grab().save(dir_.filePath(name + ".png"));
    }

private:
    explicit PictureFolder(QDir dir) : dir_(std::move(dir)) {}
    QDir dir_;
};

} // namespace corvane::testing
