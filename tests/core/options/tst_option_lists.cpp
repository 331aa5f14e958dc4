#include <QtTest>

#include "core/options/OptionLists.h"

using namespace orvex;

Q_DECLARE_METATYPE(orvex::OptionList)

namespace {

constexpr int kEnglish = 0;
constexpr int kChinese = -1;

QString Item(OptionList list, int position, int languageFlag) {
    const auto items = OptionListItems(list, languageFlag);
    if (position < 0 || position >= static_cast<int>(items.size())) return "<no item>";
    return QString::fromStdString(items[static_cast<std::size_t>(position)]);
}

}  // namespace

class OptionListsTest : public QObject {
    Q_OBJECT

  private slots:
    void sizesAndDefaults_data() {
        QTest::addColumn<OptionList>("list");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("defaultPosition");
        QTest::newRow("Tot") << OptionList::Tot << 40 << 7;
        QTest::newRow("Toa") << OptionList::Toa << 11 << 10;
        QTest::newRow("SqlLe") << OptionList::SqlLe << 10 << 5;
        QTest::newRow("VoiceSetup") << OptionList::VoiceSetup << 5 << 3;
        QTest::newRow("VoiceChann") << OptionList::VoiceChann << 5 << 1;
        QTest::newRow("Vox") << OptionList::Vox << 11 << 0;
        QTest::newRow("Save") << OptionList::Save << 5 << 2;
        QTest::newRow("ScanVoice") << OptionList::ScanVoice << 2 << 1;
        QTest::newRow("ScRev") << OptionList::ScRev << 3 << 0;
        QTest::newRow("PttLt") << OptionList::PttLt << 31 << 10;
        QTest::newRow("Tdr") << OptionList::Tdr << 2 << 1;
        QTest::newRow("Abr") << OptionList::Abr << 6 << 3;
        QTest::newRow("TdrBeep") << OptionList::TdrBeep << 2 << 1;
        QTest::newRow("Prich") << OptionList::Prich << 16 << 0;
        QTest::newRow("Lock") << OptionList::Lock << 2 << 0;
        QTest::newRow("AutoLk") << OptionList::AutoLk << 2 << 0;
        QTest::newRow("Bcl") << OptionList::Bcl << 2 << 0;
        QTest::newRow("Beep") << OptionList::Beep << 2 << 1;
        QTest::newRow("PF1") << OptionList::PF1 << 7 << 1;
        QTest::newRow("PF2") << OptionList::PF2 << 7 << 2;
        QTest::newRow("Moni") << OptionList::Moni << 2 << 0;
        QTest::newRow("Stdtmf") << OptionList::Stdtmf << 2 << 1;
        QTest::newRow("Emech") << OptionList::Emech << 16 << 15;
    }
    void sizesAndDefaults() {
        QFETCH(OptionList, list);
        QFETCH(int, size);
        QFETCH(int, defaultPosition);
        QCOMPARE(OptionListSize(list), size);
        QCOMPARE(OptionListItems(list, kEnglish).size(), static_cast<std::size_t>(size));
        QCOMPARE(OptionListItems(list, kChinese).size(), static_cast<std::size_t>(size));
        QCOMPARE(OptionListOf(list).defaultPosition, defaultPosition);
        QCOMPARE(DefaultOptionSettings(136, 175).lists[static_cast<std::size_t>(list)],
                 defaultPosition);
    }

    void items_data() {
        QTest::addColumn<OptionList>("list");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("chinese");
        QTest::addColumn<QString>("english");
        QTest::newRow("Tot first") << OptionList::Tot << 0 << "15"
                                   << "15";
        QTest::newRow("Tot default") << OptionList::Tot << 7 << "120"
                                     << "120";
        QTest::newRow("Tot last") << OptionList::Tot << 39 << "600"
                                  << "600";
        QTest::newRow("PttLt default") << OptionList::PttLt << 10 << "1000"
                                       << "1000";
        QTest::newRow("PttLt last") << OptionList::PttLt << 30 << "3000"
                                    << "3000";
        QTest::newRow("Vox off") << OptionList::Vox << 0 << "关"
                                 << "OFF";
        QTest::newRow("Vox level 1") << OptionList::Vox << 1 << "1"
                                     << "1";
        QTest::newRow("Save off") << OptionList::Save << 0 << "关"
                                  << "OFF";
        QTest::newRow("Save 1:4") << OptionList::Save << 4 << "1:4"
                                  << "1:4";
        QTest::newRow("ScanVoice off") << OptionList::ScanVoice << 0 << "关闭"
                                       << "OFF";
        QTest::newRow("ScanVoice on") << OptionList::ScanVoice << 1 << "开启"
                                      << "ON";
        QTest::newRow("ScRev time") << OptionList::ScRev << 0 << "时间"
                                    << "TO";
        QTest::newRow("ScRev carrier") << OptionList::ScRev << 1 << "载波"
                                       << "CO";
        QTest::newRow("ScRev search") << OptionList::ScRev << 2 << "搜索"
                                      << "SE";
        QTest::newRow("VoiceSetup off") << OptionList::VoiceSetup << 0 << "关"
                                        << "OFF";
        QTest::newRow("VoiceSetup man Chinese") << OptionList::VoiceSetup << 1 << "中文男声"
                                                << "man's voice in Chinese";
        QTest::newRow("VoiceSetup man English") << OptionList::VoiceSetup << 2 << "英文男声"
                                                << "man's voice in English";
        QTest::newRow("VoiceSetup woman Chinese") << OptionList::VoiceSetup << 3 << "中文女声"
                                                  << "woman's voice in Chinese";
        QTest::newRow("VoiceChann woman English") << OptionList::VoiceChann << 4 << "英文女声"
                                                  << "woman's voice in English";
        QTest::newRow("PF1 off") << OptionList::PF1 << 0 << "关"
                                 << "OFF";
        QTest::newRow("PF1 alarm") << OptionList::PF1 << 2 << "报警"
                                   << "Alarm";
        QTest::newRow("PF1 PTT-ID") << OptionList::PF1 << 3 << "发码关闭与开启"
                                    << "PTT-ID Switch ";
        QTest::newRow("PF1 scrambler") << OptionList::PF1 << 4 << "扰频关闭与开启"
                                       << "SCR  Switch ";
        QTest::newRow("PF2 scan") << OptionList::PF2 << 1 << "扫描"
                                  << "Scan";
        QTest::newRow("PF2 VOX") << OptionList::PF2 << 5 << "声控关闭与开启"
                                 << "VOX  Switch ";
        QTest::newRow("PF2 tones") << OptionList::PF2 << 6 << "哑音关闭与开启"
                                   << "CTCSS And DCS Switch ";
        QTest::newRow("Moni held") << OptionList::Moni << 0 << "按住监听"
                                   << "monitor when always press";
        QTest::newRow("Moni toggled") << OptionList::Moni << 1 << "按动监听"
                                      << "monitor when press one time";
        QTest::newRow("Lock on") << OptionList::Lock << 1 << "开启"
                                 << "ON";
        QTest::newRow("Prich first") << OptionList::Prich << 0 << "CH 1"
                                     << "CH 1";
        QTest::newRow("Prich last") << OptionList::Prich << 15 << "CH 16"
                                    << "CH 16";
        QTest::newRow("Emech last") << OptionList::Emech << 15 << "CH 16"
                                    << "CH 16";
    }
    void items() {
        QFETCH(OptionList, list);
        QFETCH(int, position);
        QFETCH(QString, chinese);
        QFETCH(QString, english);
        QCOMPARE(Item(list, position, kChinese), chinese);
        QCOMPARE(Item(list, position, kEnglish), english);
        QCOMPARE(Item(list, position, 1), chinese);  // any flag but 0 is Chinese
    }

    // Every item of a numbered run, not only its ends.
    void numberedItems_data() {
        QTest::addColumn<OptionList>("list");
        QTest::addColumn<int>("fromPosition");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("firstNumber");
        QTest::addColumn<int>("step");
        QTest::newRow("Tot, seconds") << OptionList::Tot << 0 << "" << 15 << 15;
        QTest::newRow("Toa, seconds") << OptionList::Toa << 0 << "" << 0 << 1;
        QTest::newRow("SqlLe, levels") << OptionList::SqlLe << 0 << "" << 0 << 1;
        QTest::newRow("Vox, levels after OFF") << OptionList::Vox << 1 << "" << 1 << 1;
        QTest::newRow("PttLt, milliseconds") << OptionList::PttLt << 0 << "" << 0 << 100;
        QTest::newRow("Abr") << OptionList::Abr << 0 << "" << 0 << 1;
        QTest::newRow("Prich, channels") << OptionList::Prich << 0 << "CH " << 1 << 1;
        QTest::newRow("Emech, channels") << OptionList::Emech << 0 << "CH " << 1 << 1;
    }
    void numberedItems() {
        QFETCH(OptionList, list);
        QFETCH(int, fromPosition);
        QFETCH(QString, prefix);
        QFETCH(int, firstNumber);
        QFETCH(int, step);
        for (const int flag : {kEnglish, kChinese}) {
            const auto items = OptionListItems(list, flag);
            for (int position = fromPosition; position < static_cast<int>(items.size());
                 ++position) {
                const int number = firstNumber + (position - fromPosition) * step;
                QCOMPARE(QString::fromStdString(items[static_cast<std::size_t>(position)]),
                         prefix + QString::number(number));
            }
        }
    }

    void defaultSettings_data() {
        QTest::addColumn<double>("bandLow");
        QTest::addColumn<double>("bandHighHeld");
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::newRow("VHF") << 136.0 << 175.0 << "136"
                             << "174";
        QTest::newRow("UHF") << 400.0 << 471.0 << "400"
                             << "470";
        QTest::newRow("two-digit band") << 66.0 << 89.0 << "66"
                                        << "88";
    }
    void defaultSettings() {
        QFETCH(double, bandLow);
        QFETCH(double, bandHighHeld);
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        const OptionSettings settings = DefaultOptionSettings(bandLow, bandHighHeld);
        const auto limit = [&](OptionLimit box) {
            return QString::fromStdString(settings.limits[static_cast<std::size_t>(box)]);
        };
        QCOMPARE(limit(OptionLimit::RxLower), lower);
        QCOMPARE(limit(OptionLimit::RxUpper), upper);
        QCOMPARE(limit(OptionLimit::TxLower), lower);
        QCOMPARE(limit(OptionLimit::TxUpper), upper);
        QCOMPARE(settings.flags, (std::array<bool, 4>{true, false, true, false}));
    }
};

QTEST_APPLESS_MAIN(OptionListsTest)
#include "tst_option_lists.moc"
