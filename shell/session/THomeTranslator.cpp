#include "THomeTranslator.h"

#include "masterdata/TBundledData.h"
#include "masterdata/TTranslator.h"

#include <QFileInfo>

THomeTranslator::THomeTranslator(const QString &home, bool createMissing) : m_dm(TdmMain::DatabaseFile(home))
{
    if (!createMissing && !QFileInfo::exists(m_dm.DatabasePath()))
        m_openError = QStringLiteral("%1 does not exist").arg(m_dm.DatabasePath());
    else if (!m_dm.OpenAll())
        m_openError = m_dm.LastError();
    // A database made anew translates as the bundled one does.
    else if (!TBundledData::GiveTextsToBareDatabase(m_dm, &m_openError))
        m_dm.CloseAll();
    else
        m_translator = std::make_unique<TTranslator>(m_dm, m_language);
}

THomeTranslator::~THomeTranslator() = default;

void THomeTranslator::SetLanguage(const QString &language)
{
    m_language = language;
    if (m_translator)
        m_translator->SetLanguage(language);
}

QString THomeTranslator::Language() const
{
    return m_language;
}

ITranslator &THomeTranslator::Translator()
{
    if (m_translator)
        return *m_translator;
    return m_identity;
}
