#include "ui/map/MapBackground.h"

#include "model/Error.h"

namespace qv::ui {

void MapBackground::open(const FileSystem& files, const std::string& gameFolder) {
    tiles_.reset();
    zones_ = ZoneMap();
    images_ = {};
    tried_.reset();
    archiveProblem_.clear();
    tileProblem_.clear();
    failedTiles_ = 0;
    if (gameFolder.empty()) {
        archiveProblem_ =
            QStringLiteral("Нет фона: не указана папка игры (Файл → Настройки программы...).");
        return;
    }
    try {
        tiles_ = std::make_unique<RadarTiles>(files, gameFolder);
    } catch (const Error& error) {
        archiveProblem_ = QStringLiteral("Нет фона: %1: %2")
                              .arg(QString::fromStdString(radarArchivePath(gameFolder)),
                                   QString::fromStdString(error.message()));
    }
    std::string zonesProblem;
    zones_ = ZoneMap::read(files, gameFolder, zonesProblem);
}

const QImage* MapBackground::tile(int index) {
    if (tiles_ == nullptr || index < 0 || index >= RadarTileCount) {
        return nullptr;
    }
    const auto slot = static_cast<std::size_t>(index);
    if (!tried_[slot]) {
        tried_[slot] = true;
        try {
            Image image = tiles_->load(index);
            // Premultiplied, the form the painter draws fastest; converting copies the pixels.
            images_[slot] = QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.width,
                                   image.height, image.width * 4, QImage::Format_ARGB32)
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        } catch (const Error& error) {
            if (failedTiles_++ == 0) {
                tileProblem_ = QString::fromStdString(error.message());
            }
        }
    }
    return images_[slot].isNull() ? nullptr : &images_[slot];
}

void MapBackground::loadAll() {
    for (int index = 0; index < RadarTileCount; ++index) {
        tile(index);
    }
}

QString MapBackground::zoneAt(WorldPoint p) const {
    return QString::fromStdString(zones_.nameAt(p));
}

QString MapBackground::note() const {
    if (!archiveProblem_.isEmpty()) {
        return archiveProblem_;
    }
    if (failedTiles_ > 0) {
        return QStringLiteral("Не прочитано плиток радара: %1 (первая: %2).")
            .arg(failedTiles_)
            .arg(tileProblem_);
    }
    return {};
}

std::size_t MapBackground::tileBytes() const {
    std::size_t bytes = 0;
    for (const QImage& image : images_) {
        bytes += static_cast<std::size_t>(image.sizeInBytes());
    }
    return bytes;
}

}  // namespace qv::ui
