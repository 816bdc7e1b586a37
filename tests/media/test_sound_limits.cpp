// What a sound may cost the table: files far longer than the game's own
// sounds are refused from their header alone, reading takes one block at a
// time, only plain files holding samples are opened, and the speakers a file
// names are kept. None of this needs an audio server.
#include "media/SoundFile.h"
#include "media/SoundOutput.h"
#include "media/SpeakerLayout.h"

#include <QtTest>

#include <cstdint>
#include <numeric>
#include <vector>

#include <sys/stat.h>

using velmora::kLongestSound;
using velmora::SoundFile;

namespace {

constexpr int kRate = 8000;

// A 16-bit mono wave file whose header claims `claimedFrames` samples; the
// file holds `samples` and, when `sparse`, is then stretched with a hole to
// the claimed size, which costs no disk space.
QString WriteWave(const QTemporaryDir& dir, const QString& name, std::uint32_t claimedFrames,
                  const std::vector<std::int16_t>& samples, bool sparse) {
  const std::uint32_t dataBytes = claimedFrames * 2;
  QFile file(dir.filePath(name));
  const bool opened = file.open(QIODevice::WriteOnly);
  QDataStream out(&file);
  out.setByteOrder(QDataStream::LittleEndian);
  // RIFF size, format size, PCM, mono, rate, bytes per second, frame size, bits.
  out.writeRawData("RIFF", 4);
  out << quint32{36 + dataBytes};
  out.writeRawData("WAVEfmt ", 8);
  out << quint32{16} << quint16{1} << quint16{1} << quint32{kRate} << quint32{kRate * 2}
      << quint16{2} << quint16{16};
  out.writeRawData("data", 4);
  out << quint32{dataBytes};
  for (const std::int16_t sample : samples) {
    out << sample;
  }
  file.flush();
  const bool written = opened && out.status() == QDataStream::Ok &&
                       (!sparse || file.resize(44 + static_cast<qint64>(dataBytes)));
  return written ? file.fileName() : QString();
}

}  // namespace

class TestSoundLimits : public QObject {
  Q_OBJECT

 private slots:
  void lengthIsJudgedFromTheHeader() {
    QTemporaryDir dir;
    const auto longest = static_cast<std::uint32_t>(kLongestSound.count() * kRate);
    const QString twoHours = WriteWave(dir, "two-hours.wav", 2 * 3600 * kRate, {}, true);
    const QString justLongest = WriteWave(dir, "longest.wav", longest, {}, true);
    const QString frameMore = WriteWave(dir, "frame-more.wav", longest + 1, {}, true);
    QVERIFY(!twoHours.isEmpty() && !justLongest.isEmpty() && !frameMore.isEmpty());

    QElapsedTimer clock;
    clock.start();
    QVERIFY(SoundFile::Open(twoHours.toStdString()) == nullptr);
    QVERIFY(SoundFile::Open(frameMore.toStdString()) == nullptr);
    // Refused through the output too, before any audio server is asked.
    QVERIFY(velmora::CreateSystemSoundOutput()->Open(twoHours.toStdString()) == nullptr);
    QVERIFY2(clock.elapsed() < 500, qPrintable(QString("%1 ms").arg(clock.elapsed())));

    const auto kept = SoundFile::Open(justLongest.toStdString());
    QVERIFY(kept != nullptr);
    QCOMPARE(kept->Length(), std::chrono::milliseconds(kLongestSound));
    // A header that claims two hours over a few blocks of samples: only what
    // is there counts. It is read a block at a time, and starts over when rewound.
    std::vector<std::int16_t> samples(10'000);
    std::iota(samples.begin(), samples.end(), std::int16_t{-5000});
    const auto shortOne = SoundFile::Open(
        WriteWave(dir, "claims.wav", 2 * 3600 * kRate, samples, false).toStdString());
    QVERIFY(shortOne != nullptr);
    QCOMPARE(shortOne->Length(), std::chrono::milliseconds(1250));
    std::vector<std::int16_t> block;
    QVERIFY(shortOne->ReadBlock(block));
    QVERIFY(!block.empty() && block.size() < samples.size());
    QVERIFY(shortOne->Rewind());
    std::vector<std::int16_t> all;
    while (shortOne->ReadBlock(block) && !block.empty()) {
      all.insert(all.end(), block.begin(), block.end());
    }
    QCOMPARE(all, samples);
  }

  // Nothing but a plain file holding samples is opened: a pipe would wait for
  // a writer that never comes. A good file beside the refused ones, in a
  // folder whose name is not plain ASCII, opens.
  void onlyReadableSoundsAreOpened() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("Sounds äöü"));
    const auto open = [&](const QString& name) {
      return SoundFile::Open(QFile::encodeName(dir.filePath(name)).toStdString()) != nullptr;
    };
    WriteWave(dir, "Sounds äöü/good.wav", 400, std::vector<std::int16_t>(400, 1000), false);
    QVERIFY(open("Sounds äöü/good.wav"));
    QVERIFY(!WriteWave(dir, "no-samples.wav", 400, {}, false).isEmpty());
    QVERIFY(QFile::resize(WriteWave(dir, "header-cut.wav", 400, {}, false), 30));
    QVERIFY(QFile::resize(WriteWave(dir, "empty.wav", 400, {}, false), 0));
    QFile text(dir.filePath("text.wav"));
    QVERIFY(text.open(QIODevice::WriteOnly) && text.write("This is not a sound.\n") == 21);
    text.close();
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("pipe.wav")).constData(), 0600) == 0);
    for (const char* name : {"empty.wav", "header-cut.wav", "text.wav", "no-samples.wav",
                             "pipe.wav", "missing.wav", "Sounds äöü"}) {
      QVERIFY2(!open(name), name);
    }
  }

  // The speakers a file names for its channels reach the server: a 7.1
  // file's side channels are mixed into the speakers there are, not left
  // over as auxiliary channels that nothing plays.
  void speakersAreTakenFromTheFile() {
    QTemporaryDir dir;
    // WAVE_FORMAT_EXTENSIBLE: front left, right, centre, low frequency,
    // back left, right, side left, right; 16-bit PCM; one silent frame.
    QFile file(dir.filePath("7.1.wav"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32{4 + 48 + 8 + 16};
    out.writeRawData("WAVEfmt ", 8);
    out << quint32{40} << quint16{0xFFFE} << quint16{8} << quint32{kRate} << quint32{kRate * 16}
        << quint16{16} << quint16{16} << quint16{22} << quint16{16} << quint32{0x63F};
    out.writeRawData("\x01\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 16);
    out.writeRawData("data", 4);
    out << quint32{16} << quint64{0} << quint64{0};
    file.close();

    const auto sound = SoundFile::Open(QFile::encodeName(file.fileName()).toStdString());
    QVERIFY(sound != nullptr);
    const pa_channel_map layout =
        velmora::SpeakerLayout(sound->Channels(), sound->ChannelPositions());
    QCOMPARE(std::vector(layout.map, layout.map + layout.channels),
             (std::vector{PA_CHANNEL_POSITION_FRONT_LEFT, PA_CHANNEL_POSITION_FRONT_RIGHT,
                          PA_CHANNEL_POSITION_FRONT_CENTER, PA_CHANNEL_POSITION_LFE,
                          PA_CHANNEL_POSITION_REAR_LEFT, PA_CHANNEL_POSITION_REAR_RIGHT,
                          PA_CHANNEL_POSITION_SIDE_LEFT, PA_CHANNEL_POSITION_SIDE_RIGHT}));
  }
};

QTEST_GUILESS_MAIN(TestSoundLimits)
#include "test_sound_limits.moc"
