// Reaching and reading the program without the mouse or without sight: what a
// screen reader calls each control and hears when a result changes, the tab
// order, every accelerator, and readable colours when the desktop is dark.
#include "TestSupport.h"

#include "app/Application.h"
#include "core/AppState.h"
#include "forms/constants/TForm2.h"
#include "forms/info/TForm4.h"
#include "forms/info/TForm5.h"
#include "forms/main/TForm1.h"
#include "forms/series/TForm8.h"
#include "forms/valves/TForm9.h"
#include "widgets/FocusFrame.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QProxyStyle>
#include <QRadioButton>
#include <QStyle>

#include <cmath>

using namespace Qt::StringLiterals;

namespace
{

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// Relative luminance and contrast ratio as the web's accessibility
// guidelines define them.
double luminance(QColor c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}
double contrast(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast a control shows: its commonest colour is the background, the
// text the colour that stands out most from it.
double shownContrast(QWidget* widget)
{
    const QImage image = widget->grab(widget->contentsRect()).toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    const QRgb background = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
        return a.second < b.second;
    })->first;
    double best = 1;
    for (auto it = counts.keyBegin(); it != counts.keyEnd(); ++it)
        best = std::max(best, contrast(QColor(background), QColor(*it)));
    return best;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<TForm1> w;

    QWidget* focusAfterTab()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget();
    }

private Q_SLOTS:
    // A dark desktop palette, as a dark theme gives it, before the program
    // sets itself up.
    void initTestCase()
    {
        muteOffscreenRaiseWarnings();
        QPalette dark;
        for (auto role : { QPalette::Window, QPalette::Button, QPalette::Base })
            dark.setColor(role, QColor(53, 53, 53));
        for (auto role : { QPalette::WindowText, QPalette::ButtonText, QPalette::Text })
            dark.setColor(role, Qt::white);
        QApplication::setPalette(dark);
        setUpApplication(*qApp);
    }
    void cleanupTestCase() { unmuteOffscreenRaiseWarnings(); }
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        env->writeStandardSettings(true, false);
        w = env->showMainWindow();
        QVERIFY(w->isActiveWindow());
    }
    void cleanup()
    {
        w.reset();
        env.reset();
    }

    void accessibleNames_data()
    {
        QTest::addColumn<QString>("control"); // window/name
        QTest::addColumn<QString>("name");
        QTest::newRow("heat output") << u"TForm1/Edit1"_s << u"Leistung in kW"_s;
        QTest::newRow("other difference") << u"TForm1/Edit2"_s << u"andere Temperaturdifferenz in K"_s;
        QTest::newRow("chosen diameter") << u"TForm1/Edit4"_s << u"gewählte Innen-Nennweite in mm"_s;
        QTest::newRow("designation") << u"TForm1/Panel1"_s << u"empfohlenes Rohr"_s;
        QTest::newRow("pressure gradient") << u"TForm1/Panel2"_s << u"Rohrwiderstand R in Pa/m"_s;
        QTest::newRow("volume flow") << u"TForm1/Panel3"_s << u"Volumenstrom V in m³/h"_s;
        QTest::newRow("velocity") << u"TForm1/Panel5"_s << u"Geschwindigkeit w in m/s"_s;
        QTest::newRow("help button") << u"TForm1/SpeedButton1"_s << u"Hinweise zum Programm"_s;
        QTest::newRow("material button") << u"TForm1/RadioButton15"_s << u"Kupferrohr"_s;
        QTest::newRow("density") << u"TForm2/Edit1"_s << u"Dichte des Wassers in kg/m³"_s;
        QTest::newRow("copper roughness") << u"TForm2/Edit15"_s << u"Rauhigkeit Kupferrohr in mm"_s;
        QTest::newRow("precision roughness") << u"TForm2/Edit16"_s << u"Rauhigkeit Präzisionsstahlrohr in mm"_s;
        QTest::newRow("R max") << u"TForm2/Edit8"_s << u"R max in Pa/m"_s;
        QTest::newRow("w max") << u"TForm2/Edit9"_s << u"w max in m/s"_s;
        QTest::newRow("save") << u"TForm2/BitBtn1"_s << u"Speichern + Schließen"_s;
    }
    void accessibleNames()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        w->Optionen_Aufruf();
        QWidget* window = control.startsWith(u"TForm1") ? static_cast<QWidget*>(w.get()) : TForm2::current();
        auto* widget = window->findChild<QWidget*>(control.section(u'/', 1));
        QVERIFY(widget);
        QCOMPARE(accessibleName(widget), name);
        // And no control the keyboard reaches is left without a name.
        for (QWidget* window : { static_cast<QWidget*>(w.get()), static_cast<QWidget*>(TForm2::current()) }) {
            for (QWidget* child : window->findChildren<QWidget*>()) {
                if (child->window() == window && child->isVisibleTo(window) && (child->focusPolicy() & Qt::TabFocus))
                    QVERIFY2(!accessibleName(child).isEmpty(), qPrintable(child->objectName()));
            }
        }
    }

    // A reader hears a result's caption as its name and the value shown as its
    // description, which follows every change.
    void resultsDescribeTheirValues()
    {
        w->Edit1->setText(u"10"_s);
        const QStringList shown { w->Label5->accessibleDescription(), w->Panel1->accessibleDescription(),
            w->Panel6->accessibleDescription(), w->Panel2->accessibleDescription(), w->Panel3->accessibleDescription(),
            w->Panel4->accessibleDescription(), w->Panel5->accessibleDescription() };
        QCOMPARE(shown,
            QStringList({ u"- Mittelschweres Gewinderohr DIN 2440 -"_s, u"DN 25"_s, u"27,2"_s, u"42,73"_s, u"0,583"_s,
                u"573"_s, u"0,279"_s }));
        w->Edit1->clear();
        QCOMPARE(w->Panel2->accessibleDescription(), QString());
        w->CheckBox1->click();
        QCOMPARE(accessibleName(w->Panel1), u"gewähltes Rohr"_s);
    }

    void tabOrderFollowsTheEye_data()
    {
        QTest::addColumn<bool>("manual");
        QTest::addColumn<QStringList>("order");
        const QStringList results { u"Label5"_s, u"Panel1"_s, u"Panel6"_s, u"Panel2"_s, u"Panel3"_s, u"Panel4"_s,
            u"Panel5"_s, u"BitBtn2"_s, u"SpeedButton1"_s, u"BitBtn1"_s, u"Edit1"_s };
        QTest::newRow("recommended pipe")
            << false << QStringList { u"RadioButton5"_s, u"RadioButton11"_s, u"CheckBox1"_s } + results;
        QStringList manual = QStringList { u"RadioButton5"_s, u"CheckBox1"_s, u"Edit4"_s } + results;
        manual.removeOne(u"Panel6"_s); // Edit4 stands in its place
        QTest::newRow("chosen pipe") << true << manual;
    }
    void tabOrderFollowsTheEye()
    {
        QFETCH(bool, manual);
        QFETCH(QStringList, order);
        if (manual) w->CheckBox1->click();
        w->Edit1->setFocus();
        QStringList walked;
        for (qsizetype n = 0; n < order.size(); ++n) {
            QWidget* focused = focusAfterTab();
            // A result label takes the focus through its focus frame, which
            // carries its name and value for a screen reader.
            if (auto* frame = qobject_cast<FocusFrame*>(focused)) {
                focused = frame->parentWidget();
                QCOMPARE(frame->accessibleName(), focused->accessibleName());
                QCOMPARE(frame->accessibleDescription(), focused->accessibleDescription());
            }
            walked << focused->objectName();
        }
        QCOMPARE(walked, order);
        QVERIFY(!w->Panel2->findChild<FocusFrame*>()->hasFocus());
    }

    // Each accelerator, pressed while its window is active, with the main
    // window open behind the tool windows (which share some letters with it).
    void accelerators_data()
    {
        QTest::addColumn<QString>("window"); // the active one
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("effect"); // checked/focused control, or what happened
        const QList<std::tuple<const char*, int, QString>> rows {
            { "main", Qt::Key_L, u"focus Edit1"_s },
            { "main", Qt::Key_5, u"checked RadioButton1"_s },
            { "main", Qt::Key_6, u"checked RadioButton2"_s },
            { "main", Qt::Key_0, u"checked RadioButton3"_s },
            { "main", Qt::Key_1, u"checked RadioButton5"_s },
            { "main", Qt::Key_2, u"checked RadioButton6"_s },
            { "main", Qt::Key_D, u"focus Edit2"_s },
            { "main", Qt::Key_M, u"checked RadioButton11"_s },
            { "main", Qt::Key_S, u"checked RadioButton12"_s },
            { "main", Qt::Key_N, u"checked RadioButton13"_s },
            { "main", Qt::Key_G, u"checked RadioButton14"_s },
            { "main", Qt::Key_K, u"checked RadioButton15"_s },
            { "main", Qt::Key_Adiaeresis, u"checked RadioButton16"_s },
            { "main", Qt::Key_V, u"checked RadioButton17"_s },
            { "main", Qt::Key_E, u"checked RadioButton18"_s },
            { "main", Qt::Key_C, u"checked RadioButton19"_s },
            { "main", Qt::Key_X, u"checked RadioButton20"_s },
            { "main", Qt::Key_A, u"focus Edit4"_s }, // manual mode, Edit4 focused
            { "main", Qt::Key_O, u"dialog opened"_s },
            { "main", Qt::Key_B, u"end window opened"_s },
            { "manual", Qt::Key_G, u"focus Edit4"_s },
            { "dialog", Qt::Key_S, u"dialog saved"_s },
            { "dialog", Qt::Key_A, u"dialog cancelled"_s },
            { "dialog", Qt::Key_D, u"standard values"_s },
            { "dialog", Qt::Key_R, u"series editor opened"_s },
            { "series", Qt::Key_M, u"focus ComboBox1"_s },
            { "series", Qt::Key_N, u"focus Edit1"_s },
            { "series", Qt::Key_K, u"focus Edit2"_s },
            { "series", Qt::Key_A, u"series editor closed"_s },
            { "dialog", Qt::Key_V, u"valves editor opened"_s },
            { "valves", Qt::Key_V, u"focus ListBox1"_s },
            { "valves", Qt::Key_A, u"valves editor closed"_s },
            { "start", Qt::Key_O, u"start window confirmed"_s },
            { "end", Qt::Key_O, u"end window confirmed"_s },
            { "end", Qt::Key_B, u"program quit"_s },
        };
        for (const auto& [window, key, effect] : rows)
            QTest::addRow("%s Alt+%s", window, qPrintable(QKeySequence(key).toString()))
                << QString::fromLatin1(window) << key << effect;
    }
    void accelerators()
    {
        QFETCH(QString, window);
        QFETCH(int, key);
        QFETCH(QString, effect);
        QWidget* active = w.get();
        if (window == u"manual") w->CheckBox1->click();
        if (window == u"dialog") {
            w->Optionen_Aufruf();
            active = TForm2::current();
            TForm2::current()->Edit11->setText(u"0,5"_s);
        } else if (window == u"series") {
            w->ActionRohrsystemeExecute();
            active = w->findChild<TForm8*>();
        } else if (window == u"valves") {
            w->ActionVentileExecute();
            active = w->findChild<TForm9*>();
        } else if (window == u"start") {
            w->showStartWindow();
            active = w->findChild<TForm4*>();
        } else if (window == u"end") {
            w->showEndWindow();
            active = w->findChild<TForm5*>();
        }
        QTRY_COMPARE(QApplication::activeWindow(), active); // a tool window counts as active with its parent
        QPointer<QWidget> tool = active;
        const QString what = effect.section(u' ', 0, 0), name = effect.section(u' ', 1);
        if (auto* target = qobject_cast<QRadioButton*>(w->findChild<QWidget*>(name)); target && target->isChecked()) {
            for (QRadioButton* other : target->parentWidget()->findChildren<QRadioButton*>()) {
                if (other != target) other->setChecked(true); // so that the key has something to change
            }
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
        if (what == u"focus") {
            QTRY_COMPARE(QApplication::focusWidget()->objectName(), name);
        } else if (what == u"checked") {
            QTRY_VERIFY(w->findChild<QAbstractButton*>(name)->isChecked());
        } else if (effect == u"dialog opened") {
            QTRY_VERIFY(TForm2::current() && TForm2::current()->isVisible());
        } else if (effect == u"series editor opened") {
            QTRY_VERIFY(w->findChild<TForm8*>() && w->findChild<TForm8*>()->isVisible());
        } else if (effect == u"valves editor opened") {
            QTRY_VERIFY(w->findChild<TForm9*>() && w->findChild<TForm9*>()->isVisible());
        } else if (effect == u"series editor closed" || effect == u"valves editor closed") {
            QTRY_VERIFY(!tool);
        } else if (effect == u"end window opened") {
            QTRY_VERIFY(w->findChild<TForm5*>());
        } else if (effect == u"dialog saved") {
            QTRY_VERIFY(!tool);
            QCOMPARE(appState().settings().roughnessAt(1), 0.5f);
        } else if (effect == u"dialog cancelled") {
            QTRY_VERIFY(!tool);
            QCOMPARE(appState().settings().roughnessAt(1), 0.045f);
        } else if (effect == u"standard values") {
            QTRY_COMPARE(TForm2::current()->Edit11->text(), u"0,0450"_s);
        } else if (effect == u"start window confirmed" || effect == u"end window confirmed") {
            QTRY_VERIFY(!tool);
            QVERIFY(mainTimer(*w, "Timer3")->isActive());
            QVERIFY(!w->quitting);
        } else if (effect == u"program quit") {
            QTRY_VERIFY(w->quitting);
        }
        if (what == u"checked" || what == u"focus") { // no window opened by the way
            QCOMPARE(QApplication::activeWindow(), active);
            QCOMPARE(QApplication::focusWidget()->window(), active);
        }
    }

    // The designed colours, measured on screen, with the dark desktop palette
    // of initTestCase in force: blue and navy on button-face grey, black on
    // the red of an exceeded limit (a dark palette would give about 1.4 : 1
    // and 4 : 1); red text on grey is as strong as the design's red allows
    // (3.5 : 1; 3.1 : 1 on dark grey).
    void readableUnderADarkDesktop_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("heatOutput");
        QTest::addColumn<double>("minimum");
        QTest::newRow("material line") << u"TForm1/Label5"_s << u"10"_s << 4.5;
        QTest::newRow("designation") << u"TForm1/Panel1"_s << u"10"_s << 4.5;
        QTest::newRow("exceeded limit") << u"TForm1/Panel2"_s << u"10000"_s << 4.5;
        QTest::newRow("overload warning") << u"TForm1/Label5"_s << u"10000"_s << 3.5;
        QTest::newRow("start window subtitle") << u"TForm4/Label9"_s << QString() << 4.5;
        QTest::newRow("start window slogan") << u"TForm4/Label3"_s << QString() << 4.5;
        QTest::newRow("start window program name") << u"TForm4/Label13"_s << QString() << 4.5;
        QTest::newRow("start window link") << u"TForm4/Label7"_s << QString() << 4.5;
    }
    void readableUnderADarkDesktop()
    {
        QFETCH(QString, control);
        QFETCH(QString, heatOutput);
        QFETCH(double, minimum);
        const auto* look = qobject_cast<const QProxyStyle*>(QApplication::style());
        QVERIFY(look);
        QCOMPARE(look->baseStyle()->name(), u"fusion"_s);
        w->Edit1->setText(heatOutput);
        QWidget* window = w.get();
        if (control.startsWith(u"TForm4")) {
            w->showStartWindow();
            window = w->findChild<TForm4*>();
        }
        auto* widget = window->findChild<QWidget*>(control.section(u'/', 1));
        QVERIFY(widget);
        const double shown = shownContrast(widget);
        QVERIFY2(shown >= minimum, qPrintable(QString::number(shown, 'f', 2)));
    }
};

FLUVANO_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
