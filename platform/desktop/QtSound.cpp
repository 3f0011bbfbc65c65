// Qt Multimedia playback with the default beep as the fallback for every failure.
#include "platform/desktop/QtSound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "platform/DataFiles.h"

namespace zeph {

QtSound::QtSound(std::function<void()> beep) : beep_(std::move(beep)) {}

QtSound::~QtSound() = default;

double QtSound::EffectVolume(uint32_t leftLowRightHigh) { return (leftLowRightHigh & 0xFFFFu) / 65535.0; }

void QtSound::Beep()
{
    if (beep_)
        beep_();
    else
        QApplication::beep();
}

void QtSound::SetWaveVolume(uint32_t leftLowRightHigh)
{
    volume_ = leftLowRightHigh;
    for (auto& [path, effect] : effects_)
        effect.sound->setVolume(EffectVolume(volume_));
}

QtSound::Effect& QtSound::EffectFor(const QString& path)
{
    Effect& effect = effects_[path];
    if (!effect.sound) {
        effect.sound = std::make_unique<QSoundEffect>();
        QSoundEffect* sound = effect.sound.get();
        // The file loads in the background; a play asked for meanwhile starts by itself once
        // loaded, or becomes the beep if the file turns out unreadable.
        QObject::connect(sound, &QSoundEffect::statusChanged, sound, [this, &effect, sound] {
            if (sound->status() == QSoundEffect::Loading)
                return;
            if (sound->status() == QSoundEffect::Error && effect.waiting)
                Beep();
            effect.waiting = false;
        });
        sound->setSource(QUrl::fromLocalFile(path));
    }
    return effect;
}

void QtSound::PlayAsync(const QString& fileName)
{
    const QString path = FindDataFile(fileName);
    if (fileName.isEmpty() || !QFileInfo(path).isFile() || QMediaDevices::audioOutputs().isEmpty()) {
        Beep();
        return;
    }
    Effect& effect = EffectFor(path);
    QSoundEffect* sound = effect.sound.get();
    if (sound->status() == QSoundEffect::Error) {
        Beep();
        return;
    }
    effect.waiting = sound->status() != QSoundEffect::Ready;
    sound->setVolume(EffectVolume(volume_));
    sound->stop();
    sound->play();
}

}  // namespace zeph
