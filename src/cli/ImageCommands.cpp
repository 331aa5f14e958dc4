#include "cli/ImageCommands.h"

#include <cstdio>

#include "cli/ImageFiles.h"

namespace orvex {

int RunImageCommand(const CliOptions& options) {
    for (const QString& file : options.files) {
        QString error;
        if (!LoadImageFile(file, &error)) {
            std::fprintf(stderr, "%s\n", error.toUtf8().constData());
            return 1;
        }
    }
    std::fprintf(stderr, "show and diff are not built yet.\n");
    return 1;
}

}  // namespace orvex
