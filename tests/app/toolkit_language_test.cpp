// The toolkit's standard buttons speak Chinese once the translation is installed.
#include <QAbstractButton>
#include <QMessageBox>
#include <QtTest>

#include "app/toolkit_language.h"

class ToolkitLanguageTest : public QObject {
    Q_OBJECT
  private slots:
    void standard_buttons_are_chinese() {
        QVERIFY(orvane::app::install_chinese_toolkit_texts(*QCoreApplication::instance()));
        QMessageBox box(QMessageBox::Question, QStringLiteral("彩蛋"), QStringLiteral("?"),
                        QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("是(&Y)"));
        QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("否(&N)"));
    }
};

QTEST_MAIN(ToolkitLanguageTest)
#include "toolkit_language_test.moc"
