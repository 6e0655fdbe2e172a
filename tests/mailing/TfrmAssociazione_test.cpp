#include "mailing/TfrmAssociazione.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "mailing/MailingSettings.h"
#include "support/Fixtures.h"

namespace {

class AssociationWindowTest : public DataFolderTest {
protected:
    template <typename W>
    W* field(const char* name) {
        W* found = window.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void type(const char* name, const QString& text) {
        if (auto* line = window.findChild<QLineEdit*>(QString::fromLatin1(name))) {
            line->setText(text);
        } else {
            field<QPlainTextEdit>(name)->setPlainText(text);
        }
    }
    TfrmAssociazione window;
};

// Salva keeps every field, which the window shows again when reopened;
// a wrong field is named and nothing is kept.
TEST_F(AssociationWindowTest, SalvaKeepsEveryFieldAndRefusesAWrongOne) {
    window.show();
    type("txtNome", QStringLiteral("Associazione Cacciatori Pratesi"));
    type("txtIndirizzo", QStringLiteral("Via del Bosco 12\n59100 Prato (PO)"));
    type("txtCodiceFiscale", QStringLiteral("92012345678"));
    type("txtTelefono", QStringLiteral("0574 123456"));
    type("txtEmail", QStringLiteral("segreteria@cacciatori-prato.it"));
    type("txtLuogo", QStringLiteral("Prato"));
    type("txtFirma", QStringLiteral("Il Presidente\nMario Rossi"));
    struct Case {
        const char* field;
        const char* text;
        const char* message;
    };
    const Case wrong[] = {
        {"txtEmail", "segreteria@",
         "L'indirizzo e-mail dell'associazione non è valido: segreteria@"},
        {"txtCodiceFiscale", "1234",
         "Il codice fiscale dell'associazione è fatto di 11 cifre (o di 16 lettere e cifre): 1234"},
        {"txtNome", "  ", "Indicare il nome dell'associazione."},
    };
    for (const Case& c : wrong) {
        const QString good = field<QLineEdit>(c.field)->text();
        type(c.field, QString::fromUtf8(c.text));
        QTest::mouseClick(field<QPushButton>("btnSalva"), Qt::LeftButton);
        EXPECT_EQ(messages().take(), QStringList{QString::fromUtf8(c.message)}) << c.field;
        EXPECT_EQ(mailing::association().name, QString()) << c.field;
        type(c.field, good);
    }
    QTest::mouseClick(field<QPushButton>("btnSalva"), Qt::LeftButton);
    EXPECT_EQ(messages().take(), QStringList());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    const mailing::Association kept = mailing::association();
    EXPECT_EQ(kept.name, QStringLiteral("Associazione Cacciatori Pratesi"));
    EXPECT_EQ(kept.address, QStringLiteral("Via del Bosco 12\n59100 Prato (PO)"));
    EXPECT_EQ(kept.fiscalCode, QStringLiteral("92012345678"));
    EXPECT_EQ(kept.phone, QStringLiteral("0574 123456"));
    EXPECT_EQ(kept.email, QStringLiteral("segreteria@cacciatori-prato.it"));
    EXPECT_EQ(kept.place, QStringLiteral("Prato"));
    EXPECT_EQ(kept.signature, QStringLiteral("Il Presidente\nMario Rossi"));
    TfrmAssociazione again;
    EXPECT_EQ(again.findChild<QPlainTextEdit*>(QStringLiteral("txtFirma"))->toPlainText(),
              kept.signature);
    EXPECT_EQ(again.findChild<QLineEdit*>(QStringLiteral("txtLuogo"))->text(), kept.place);
}

}  // namespace
