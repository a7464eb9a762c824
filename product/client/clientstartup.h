#pragma once

#include <QTemporaryFile>
#include <QTranslator>

// The steps that prepare the client before its application component is
// built: style, system log, icon, names, translation, time-zone table, the
// spell checker and the record types. It keeps what those steps make
// that lives until the client ends, the translator and the temporary copies
// of the dictionary and the affix file, so it must outlive the application
// object. Destroying it removes both copies.
class ClientStartup
{
public:
    ClientStartup() = default;
    ClientStartup(const ClientStartup&) = delete;
    ClientStartup& operator=(const ClientStartup&) = delete;

    // Runs every step, in order, once the application object exists.
    void prepare();

private:
    void setUpApplication();
    void installTranslation();
    void loadTimeZoneTable();
    void prepareSpellChecker();
    void registerRecordTypes();

    // Destroyed in the reverse order: the affix copy, the dictionary copy,
    // then the translator.
    QTranslator m_translator;
    QTemporaryFile m_dictionaryCopy;
    QTemporaryFile m_affixCopy;
};
