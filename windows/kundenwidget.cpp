#include "windows/kundenwidget.h"

#include "records/codetabellen.h"
#include "windows/eingabeschutz.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// QLineEdit emits returnPressed() only for acceptable input, and QIntValidator
// calls an empty field unfinished: Return in an empty number would not move on.
class ZahlValidator : public QIntValidator
{
public:
    ZahlValidator(int top, QObject* parent) : QIntValidator(0, top, parent) {}
    State validate(QString& input, int& pos) const override
    {
        return input.isEmpty() ? Acceptable : QIntValidator::validate(input, pos);
    }
};

// Postcodes of every country: letters, digits, blank and hyphen, at most 10
// ("1000", "1012 AB", "SW1A 1AA", "L-1234"), at least one letter or digit.
const QRegularExpression PlzZeichen(QStringLiteral("[A-Za-z0-9 \\-]{0,10}"));
const QRegularExpression PlzGueltig(QStringLiteral("^(?=.*[A-Za-z0-9])[A-Za-z0-9 \\-]{1,10}$"));
const QRegularExpression FuenfZiffern(QStringLiteral("^[0-9]{5}$"));

// France and Germany, where a postcode is five digits; the country is typed freely.
bool fuenfstelligePlz(const QString& land)
{
    const QString l = land.trimmed().toLower();
    static const QStringList namen = {"frankreich", "france", "fr", "f", "deutschland", "germany",
                                      "allemagne", "de", "d"};
    return namen.contains(l) || l == KundenWidget::tr("Frankreich").toLower()
           || l == KundenWidget::tr("Deutschland").toLower();
}

}  // namespace

KundenWidget::KundenWidget(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    baueFelder();
    baueFormular();
    verbinde();
    clear();
}

void KundenWidget::baueFelder()
{
    m_kundenNr = neuesFeld("KundenNr");
    // Never negative: a typed number becomes the record key.
    m_kundenNr->setValidator(new ZahlValidator(999999, m_kundenNr));
    m_kundenNr->setMaxLength(6);
    m_typ = new QComboBox(this);
    m_typ->setObjectName("Typ");
    m_typ->addItems(CodeTabellen::kundenTypen());
    m_firma = neuesFeld("Firma");
    m_name = neuesFeld("Name");
    m_strasse = neuesFeld("Strasse");
    m_plz = neuesFeld("PLZ");
    m_plz->setValidator(new QRegularExpressionValidator(PlzZeichen, m_plz));
    m_plz->setMaxLength(10);
    // Wide enough for ten characters, the town takes the rest.
    m_plz->setMaximumWidth(m_plz->fontMetrics().horizontalAdvance("WWWW WWWWW") + 16);
    m_ort = neuesFeld("Ort");
    m_land = neuesFeld("Land");
    m_tel = neuesFeld("Tel1");
    m_tel2 = neuesFeld("Tel2");
    m_fax = neuesFeld("Fax");
    m_email = neuesFeld("Email");
    m_iban = neuesFeld("IBAN");
    m_bic = neuesFeld("BIC");
    m_steuerNr = neuesFeld("Steuer Nr");
    m_siren = neuesFeld("Siren");
    m_siren->setPlaceholderText(tr("9 Ziffern, französische Firmenkunden"));
    m_eAdresse = neuesFeld("EAdresse");
    m_eAdresse->setPlaceholderText(tr("leer: die SIREN"));
    m_leitwegId = neuesFeld("LeitwegId");
    m_leitwegId->setPlaceholderText(tr("nur für XRechnung an öffentliche Auftraggeber"));
    m_lieferanschrift = new QPlainTextEdit(this);
    m_lieferanschrift->setObjectName("Lieferanschrift");
    m_lieferanschrift->setMaximumHeight(80);
    m_lieferanschrift->setPlaceholderText(tr("leer: die Rechnungsanschrift"));
    Eingabeschutz::tabVerlaesst(m_lieferanschrift);
    m_bemerkung = new QTextEdit(this);
    m_bemerkung->setObjectName("Bemerkung");
    m_bemerkung->setAcceptRichText(false);
    m_bemerkung->setMaximumHeight(80);
    Eingabeschutz::tabVerlaesst(m_bemerkung);
    m_hinweis = new QLabel(this);
    m_hinweis->setObjectName("Hinweis");
    m_hinweis->setWordWrap(true);
}

void KundenWidget::baueFormular()
{
    auto* plzOrt = new QHBoxLayout;
    plzOrt->addWidget(m_plz, 0);
    plzOrt->addWidget(m_ort, 5);

    auto* form = new QFormLayout(this);
    form->addRow(tr("KundenNr"), m_kundenNr);
    form->addRow(tr("Typ"), m_typ);
    form->addRow(tr("Firma"), m_firma);
    form->addRow(tr("Name"), m_name);
    form->addRow(tr("Strasse"), m_strasse);
    form->addRow(tr("PLZ/Ort"), plzOrt);
    form->addRow(tr("Land"), m_land);
    form->addRow(QString(), m_hinweis);
    form->addRow(tr("Tel1"), m_tel);
    form->addRow(tr("Tel2"), m_tel2);
    form->addRow(tr("Fax"), m_fax);
    form->addRow(tr("Email"), m_email);
    form->addRow(tr("IBAN"), m_iban);
    form->addRow(tr("BIC"), m_bic);
    form->addRow(tr("Steuer Nr"), m_steuerNr);
    form->addRow(tr("SIREN"), m_siren);
    form->addRow(tr("E-Rechnungsadresse"), m_eAdresse);
    form->addRow(tr("Leitweg-ID"), m_leitwegId);
    form->addRow(tr("Lieferanschrift"), m_lieferanschrift);
    form->addRow(tr("Bemerkung"), m_bemerkung);
}

void KundenWidget::verbinde()
{
    // Return moves on along the fields typed most, ending in the remark.
    const QList<QLineEdit*> kette = {m_kundenNr, m_firma, m_name, m_strasse, m_plz, m_ort, m_tel,
                                     m_tel2,     m_fax,   m_email, m_iban,   m_bic, m_steuerNr};
    for (qsizetype i = 0; i < kette.size(); ++i) {
        QWidget* naechstes = i + 1 < kette.size() ? static_cast<QWidget*>(kette.at(i + 1)) : m_bemerkung;
        connect(kette.at(i), &QLineEdit::returnPressed, naechstes,
                [naechstes] { naechstes->setFocus(Qt::OtherFocusReason); });
    }

    for (QLineEdit* feld : {m_firma, m_name, m_strasse, m_plz, m_ort, m_land, m_tel, m_tel2, m_fax,
                            m_iban, m_bic, m_email, m_steuerNr, m_siren, m_eAdresse, m_leitwegId})
        connect(feld, &QLineEdit::textChanged, this, &KundenWidget::data_changed);
    connect(m_typ, &QComboBox::currentIndexChanged, this, &KundenWidget::data_changed);
    connect(m_bemerkung, &QTextEdit::textChanged, this, &KundenWidget::data_changed);
    connect(m_lieferanschrift, &QPlainTextEdit::textChanged, this, &KundenWidget::data_changed);
}

QLineEdit* KundenWidget::neuesFeld(const QString& name)
{
    auto* feld = new QLineEdit(this);
    feld->setObjectName(name);
    return feld;
}

void KundenWidget::data_changed()
{
    emit changed();
    // What keeps the customer from being stored is said, not only shown by
    // a disabled button.
    QStringList fehlt;
    if (m_firma->text().isEmpty() && m_name->text().isEmpty())
        fehlt << tr("Firma oder Name fehlt.");
    if (m_strasse->text().isEmpty())
        fehlt << tr("Strasse fehlt.");
    const QString plz = m_plz->text();
    if (plz.isEmpty())
        fehlt << tr("PLZ fehlt.");
    else if (fuenfstelligePlz(m_land->text()) && !FuenfZiffern.match(plz).hasMatch())
        fehlt << tr("Die PLZ hat in %1 fünf Ziffern.").arg(m_land->text().trimmed());
    else if (!PlzGueltig.match(plz).hasMatch())
        fehlt << tr("Die PLZ besteht aus bis zu 10 Buchstaben, Ziffern, Leerzeichen oder Bindestrichen.");
    if (m_ort->text().isEmpty())
        fehlt << tr("Ort fehlt.");
    if (m_land->text().trimmed().isEmpty())
        fehlt << tr("Land fehlt.");
    m_hinweis->setText(fehlt.join(' '));
    m_hinweis->setVisible(!fehlt.isEmpty());
    emit input_changed(fehlt.isEmpty());
}

void KundenWidget::clear()
{
    // Every field, so a new customer takes nothing over from the one shown before.
    for (QLineEdit* feld : {m_kundenNr, m_firma, m_name, m_strasse, m_ort, m_tel, m_tel2, m_fax, m_email,
                            m_plz, m_iban, m_bic, m_steuerNr, m_siren, m_eAdresse, m_leitwegId})
        feld->clear();
    m_bemerkung->clear();
    m_lieferanschrift->clear();
    m_land->setText(tr("Frankreich"));
    m_kundenNr->setReadOnly(false);
    m_nr = 0;
    m_neu = true;
    m_firma->setFocus(Qt::OtherFocusReason);
}

void KundenWidget::setKunde(const Kunde& k)
{
    m_nr = k.Nr;
    m_kundenNr->setText(QString::number(k.Nr));
    m_typ->setCurrentIndex(k.Typ);
    m_firma->setText(k.Firma);
    m_name->setText(k.Name);
    m_strasse->setText(k.Strasse);
    m_plz->setText(k.PLZ);
    m_ort->setText(k.Ort);
    // Customers stored before the country was kept have none; show the default then.
    m_land->setText(k.Land.isEmpty() ? tr("Frankreich") : k.Land);
    m_tel->setText(k.Tel);
    m_tel2->setText(k.Tel2);
    m_fax->setText(k.Fax);
    m_email->setText(k.Email);
    m_iban->setText(k.IBAN);
    m_bic->setText(k.BIC);
    m_steuerNr->setText(k.Steuernummer);
    m_siren->setText(k.Siren);
    m_eAdresse->setText(k.EAdresse);
    m_leitwegId->setText(k.LeitwegId);
    m_bemerkung->setPlainText(k.Bemerkung);
    m_lieferanschrift->setPlainText(k.Lieferanschrift);
    m_neu = false;
    m_kundenNr->setReadOnly(true);
}

Kunde KundenWidget::kunde() const
{
    Kunde k;
    k.Nr = m_nr;
    if (!m_kundenNr->text().isEmpty())
        k.Nr = m_kundenNr->text().toInt();
    k.Typ = m_typ->currentIndex();
    k.Firma = m_firma->text();
    k.Name = m_name->text();
    k.Strasse = m_strasse->text();
    k.PLZ = m_plz->text();
    k.Ort = m_ort->text();
    k.Land = m_land->text();
    k.Tel = m_tel->text();
    k.Tel2 = m_tel2->text();
    k.Fax = m_fax->text();
    k.Email = m_email->text();
    k.IBAN = m_iban->text();
    k.BIC = m_bic->text();
    k.Steuernummer = m_steuerNr->text();
    k.Siren = m_siren->text().trimmed();
    k.EAdresse = m_eAdresse->text().trimmed();
    k.LeitwegId = m_leitwegId->text().trimmed();
    k.Lieferanschrift = m_lieferanschrift->toPlainText().trimmed();
    k.Bemerkung = m_bemerkung->toPlainText();
    return k;
}
