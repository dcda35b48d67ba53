#include "Registry.h"

#include "platform/Files.h"

#include <QFileInfo>

namespace art {

std::vector<Painter>& painters() {
    static std::vector<Painter> all;
    return all;
}

bool writeIfMissing(const QString& path, const QByteArray& data) {
    if (QFileInfo::exists(path)) return true;
    return korv::writeFileAtomic(path, data);
}

} // namespace art
