#include "ui/map/MapBackground.h"

#include <QCoreApplication>

#include "gamedata/GameRoads.h"
#include "model/Error.h"

namespace qv::ui {

namespace {

QImage toQImage(const Image& image) {
    // Premultiplied, the form the painter draws fastest; converting copies the pixels.
    return QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                  image.width * 4, QImage::Format_ARGB32)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

MapBackground::MapBackground() {
    reader_.setSingleShot(true);
    reader_.setInterval(0);
    connect(&reader_, &QTimer::timeout, this, &MapBackground::readPending);
}

MapBackground::~MapBackground() {
    workers_.clear();
    workers_.waitForDone();
}

void MapBackground::open(const FileSystem& files, const std::string& gameFolder) {
    ++generation_;
    ++tilesVersion_;
    workers_.clear();
    reader_.stop();
    files_ = &files;
    tiles_.reset();
    zones_ = ZoneMap();
    roads_ = RoadNetwork();
    roadProblems_.clear();
    images_ = {};
    asked_.reset();
    pending_.clear();
    decoding_ = 0;
    archiveProblem_.clear();
    zonesProblem_.clear();
    tileProblem_.clear();
    failedTiles_ = 0;
    if (gameFolder.empty()) {
        archiveProblem_ = tr("Нет фона: не указана папка игры (Файл → Настройки программы...).");
        return;
    }
    try {
        tiles_ = std::make_unique<RadarTiles>(files, gameFolder);
    } catch (const Error& error) {
        archiveProblem_ = tr("Нет фона: %1: %2")
                              .arg(QString::fromStdString(radarArchivePath(gameFolder)),
                                   QString::fromStdString(error.message()));
    }
    if (tiles_ != nullptr) {
        // All 64 node files at once: a few milliseconds, against a tenth of a second for the
        // radar tiles.
        std::vector<std::string> problems;
        roads_ = readGameRoads(tiles_->archive(), problems);
        for (const std::string& problem : problems) {
            roadProblems_ << QString::fromStdString(problem);
        }
    }
    std::string zonesProblem;
    zones_ = ZoneMap::read(files, gameFolder, zonesProblem);
    zonesProblem_ = QString::fromStdString(zonesProblem);
}

const QImage* MapBackground::tile(int index) {
    if (tiles_ == nullptr || index < 0 || index >= RadarTileCount) {
        return nullptr;
    }
    const auto slot = static_cast<std::size_t>(index);
    if (!asked_[slot]) {
        asked_[slot] = true;
        pending_.push_back(index);
        reader_.start();
    }
    return images_[slot].isNull() ? nullptr : &images_[slot];
}

void MapBackground::readPending() {
    // A few dictionaries in hand at a time: enough to keep every worker busy.
    const int inHand = workers_.maxThreadCount() + 1;
    while (!pending_.empty() && decoding_ < inHand) {
        const int index = pending_.front();
        pending_.pop_front();
        std::string dictionary;
        try {
            dictionary = tiles_->read(index);
        } catch (const Error& error) {
            fail(QString::fromStdString(error.message()));
            emit tilesArrived();
            continue;
        }
        ++decoding_;
        workers_.start([this, generation = generation_, index, dictionary = std::move(dictionary)] {
            QImage image;
            QString problem;
            try {
                image = toQImage(RadarTiles::decode(index, dictionary));
            } catch (const Error& error) {
                problem = QString::fromStdString(error.message());
            }
            // Delivered on this object's thread; dropped with the object.
            QMetaObject::invokeMethod(
                this, [=, this] { arrive(generation, index, image, problem); },
                Qt::QueuedConnection);
        });
    }
}

void MapBackground::arrive(unsigned generation, int index, const QImage& image,
                           const QString& problem) {
    if (generation != generation_) {
        return;
    }
    --decoding_;
    if (problem.isEmpty()) {
        images_[static_cast<std::size_t>(index)] = image;
        ++tilesVersion_;
    } else {
        fail(problem);
    }
    if (!pending_.empty()) {
        reader_.start();
    }
    emit tilesArrived();
}

void MapBackground::fail(const QString& problem) {
    if (failedTiles_++ == 0) {
        tileProblem_ = problem;
    }
}

void MapBackground::loadAll() {
    for (int index = 0; index < RadarTileCount; ++index) {
        tile(index);
    }
    while (loading()) {
        readPending();
        workers_.waitForDone();
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
}

QString MapBackground::zoneAt(WorldPoint p) const {
    return QString::fromStdString(zones_.nameAt(p));
}

QString MapBackground::note() const {
    if (!archiveProblem_.isEmpty()) {
        return archiveProblem_;
    }
    QStringList problems;
    if (failedTiles_ > 0) {
        problems << tr("Не прочитано плиток радара: %1 (первая: %2).")
                        .arg(failedTiles_)
                        .arg(tileProblem_);
    }
    if (!roadProblems_.isEmpty()) {
        problems << tr("Не прочитано файлов дорог: %1 (первый: %2).")
                        .arg(roadProblems_.size())
                        .arg(roadProblems_.front());
    }
    if (!zonesProblem_.isEmpty()) {
        problems << tr("Нет названий районов: %1.").arg(zonesProblem_);
    }
    return problems.join(QLatin1Char(' '));
}

std::size_t MapBackground::tileBytes() const {
    std::size_t bytes = 0;
    for (const QImage& image : images_) {
        bytes += static_cast<std::size_t>(image.sizeInBytes());
    }
    return bytes;
}

}  // namespace qv::ui
