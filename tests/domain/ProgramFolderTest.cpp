// Which folder the program works in: its own when it may write there, the
// administrator's shared folder or the user's own for a shared program
// folder; and what the first start there makes.
#include "domain/Environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A program folder with its first-access store, a home for the user's own
// folder and a configuration file, all in a scratch folder.
class ProgramFolderRule : public ::testing::Test {
  protected:
    void SetUp() override {
        QDir(dir_.path()).mkpath(QStringLiteral("lib/velmora"));
        write(program() + ProgramFolder::kStoreFile, kFirstStore);
        data_ = qgetenv("XDG_DATA_HOME");
        conf_ = qgetenv("VELMORA_CONF");
        qputenv("XDG_DATA_HOME", QFile::encodeName(path("home/.local/share")));
        qputenv("VELMORA_CONF", QFile::encodeName(path("velmora.conf")));
    }
    void TearDown() override {
        for (const auto& [name, value] :
             {std::pair{"XDG_DATA_HOME", data_}, {"VELMORA_CONF", conf_}})
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString program() const { return path("lib/velmora/"); }
    QString userFolder() const { return path("home/.local/share/Velmora/"); }
    void markShared() { write(program() + ProgramFolder::kSharedMarker, "shared\n"); }
    void configure(const QByteArray& text) { write(path("velmora.conf"), text); }

    static inline const QByteArray kFirstStore = "[Accesso]\nValore=first\n";
    QTemporaryDir dir_;
    QByteArray data_, conf_;
};

TEST_F(ProgramFolderRule, AWritableFolderOfItsOwnKeepsTheData) {
    configure("VELMORA_FOLDER=/srv/velmora\n");
    const ProgramFolder::Choice c = ProgramFolder::choose(path("lib/velmora"));
    EXPECT_EQ(c.kind, ProgramFolder::Kind::Own);
    EXPECT_EQ(c.folder, program());
    EXPECT_EQ(ProgramFolder::prepare(program()), QString());
    EXPECT_FALSE(QFileInfo::exists(path("home")));
}

TEST_F(ProgramFolderRule, ASharedProgramFolderWorksInTheUsersOwnFolder) {
    markShared();
    const ProgramFolder::Choice c = ProgramFolder::choose(program());
    EXPECT_EQ(c.kind, ProgramFolder::Kind::User);
    EXPECT_EQ(c.folder, userFolder());
    // Looking makes nothing; the first start makes the folder, for its user
    // alone, with the first-access store.
    EXPECT_FALSE(QFileInfo::exists(path("home")));
    EXPECT_EQ(ProgramFolder::prepare(program()), QString());
    EXPECT_EQ(read(userFolder() + ProgramFolder::kStoreFile), kFirstStore);
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFileInfo(userFolder()).permissions() & others, QFile::Permissions());
    EXPECT_TRUE(QFileInfo(userFolder()).permissions().testFlag(QFile::WriteOwner));
    // The password chosen since stays at the next start.
    write(userFolder() + ProgramFolder::kStoreFile, "[Accesso]\nValore=mine\n");
    EXPECT_EQ(ProgramFolder::prepare(program()), QString());
    EXPECT_EQ(read(userFolder() + ProgramFolder::kStoreFile), "[Accesso]\nValore=mine\n");
}

TEST_F(ProgramFolderRule, TheAdministratorsFolderIsSharedByTheUsers) {
    markShared();
    QDir().mkpath(path("srv"));
    configure("# shared by the office\nVELMORA_FOLDER=" + QFile::encodeName(path("srv")) + "\n");
    const ProgramFolder::Choice c = ProgramFolder::choose(program());
    EXPECT_EQ(c.kind, ProgramFolder::Kind::Shared);
    EXPECT_EQ(c.folder, path("srv/"));
    EXPECT_EQ(ProgramFolder::prepare(program()), QString());
    EXPECT_EQ(read(path("srv/") + ProgramFolder::kStoreFile), kFirstStore);
    EXPECT_FALSE(QFileInfo::exists(path("home")));
}

TEST_F(ProgramFolderRule, TheConfigurationIsReadAsAShellReadsIt) {
    markShared();
    const QString user = userFolder();
    struct Case {
        const char* what;
        QByteArray text;
        QString folder;
    } cases[] = {
        {"blanks and double quotes", "  VELMORA_FOLDER = \"/srv/velmora\"  \n", "/srv/velmora/"},
        {"single quotes, a blank inside", "VELMORA_FOLDER='/srv/turni ufficio'\n",
         "/srv/turni ufficio/"},
        {"the last assignment", "VELMORA_FOLDER=/a\nVELMORA_FOLDER=/b/\n", "/b/"},
        {"a comment", "#VELMORA_FOLDER=/a\n", user},
        {"another key", "VELMORA_FOLDERS=/a\nFOLDER=/b\n", user},
        {"a relative folder", "VELMORA_FOLDER=turni\n", user},
        {"an empty value", "VELMORA_FOLDER=\n", user},
        {"CR LF lines", "VELMORA_FOLDER=/srv/velmora\r\n", "/srv/velmora/"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        configure(k.text);
        EXPECT_EQ(ProgramFolder::choose(program()).folder, k.folder);
    }
    QFile::remove(path("velmora.conf"));
    EXPECT_EQ(ProgramFolder::choose(program()).folder, user);
}

TEST_F(ProgramFolderRule, AFirstStartThatCannotBeReadyIsTold) {
    markShared();
    // The administrator's folder is never made here (a share not mounted).
    configure("VELMORA_FOLDER=" + QFile::encodeName(path("srv")) + "\n");
    const QString missing = ProgramFolder::prepare(program());
    EXPECT_TRUE(missing.startsWith("Attenzione: la cartella dei dati ")) << missing.toStdString();
    EXPECT_TRUE(missing.contains(path("srv"))) << missing.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path("srv")));

    // The user's folder cannot be made: a file holds its place.
    QFile::remove(path("velmora.conf"));
    QDir().mkpath(path("home/.local/share"));
    write(path("home/.local/share/Velmora"), "");
    EXPECT_TRUE(ProgramFolder::prepare(program()).startsWith("Attenzione: impossibile creare"));

    // No store to copy.
    QFile::remove(path("home/.local/share/Velmora"));
    QFile::remove(program() + ProgramFolder::kStoreFile);
    EXPECT_TRUE(ProgramFolder::prepare(program()).startsWith("Attenzione: impossibile copiare"));
    EXPECT_FALSE(QFileInfo::exists(userFolder() + ProgramFolder::kStoreFile));
}

} // namespace
