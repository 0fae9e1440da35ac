#include "SourceJson.h"

#include "BankError.h"
#include "platform/AnsiText.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace examtrainer::bank {

namespace {

QJsonDocument readJson(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw BankError(path.toStdString() + ": cannot be read");
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        throw BankError(path.toStdString() + ": " + error.errorString().toStdString() +
                        " at offset " + std::to_string(error.offset));
    return document;
}

const QJsonValue& require(const QJsonValue& value, const std::string& where) {
    if (value.isUndefined())
        throw BankError(where + ": missing");
    return value;
}

std::string textOf(const QJsonValue& value, const std::string& where) {
    if (!require(value, where).isString())
        throw BankError(where + ": must be a text");
    const std::optional<std::string> bytes = toAnsi(value.toString());
    if (!bytes)
        throw BankError(where + ": holds a character outside the Windows-1252 code page");
    return *bytes;
}

QJsonArray arrayOf(const QJsonValue& value, const std::string& where) {
    if (!require(value, where).isArray())
        throw BankError(where + ": must be a list");
    return value.toArray();
}

QJsonObject objectOf(const QJsonValue& value, const std::string& where) {
    if (!require(value, where).isObject())
        throw BankError(where + ": must be an object");
    return value.toObject();
}

std::string at(const std::string& where, qsizetype index) {
    return where + "[" + std::to_string(index) + "]";
}

TestSetSource readTestSet(const QJsonObject& object, const std::string& where) {
    TestSetSource test;
    test.name = textOf(object.value("name"), where + ".name");
    const QJsonArray settings = arrayOf(object.value("settings"), where + ".settings");
    if (settings.size() != 6)
        throw BankError(where + ".settings: must hold the six fields of TestData.txt");
    for (qsizetype i = 0; i < 6; ++i)
        test.settings[static_cast<std::size_t>(i)] =
            textOf(settings[i], at(where + ".settings", i));
    return test;
}

} // namespace

DataSource readSource(const QString& sourceFolder) {
    const QString cataloguePath = sourceFolder + QStringLiteral("/catalogue.json");
    const std::string file = cataloguePath.toStdString();
    const QJsonObject root = objectOf(readJson(cataloguePath).object(), file);

    DataSource source;
    const QJsonArray categories = arrayOf(root.value("categories"), file + ": categories");
    for (qsizetype c = 0; c < categories.size(); ++c) {
        const std::string where = at(file + ": categories", c);
        const QJsonObject object = objectOf(categories[c], where);
        CategorySource category;
        category.name = textOf(object.value("name"), where + ".name");
        const QJsonArray tests = arrayOf(object.value("tests"), where + ".tests");
        for (qsizetype t = 0; t < tests.size(); ++t) {
            const std::string testWhere = at(where + ".tests", t);
            category.tests.push_back(readTestSet(objectOf(tests[t], testWhere), testWhere));
        }
        source.categories.push_back(std::move(category));
    }
    return source;
}

} // namespace examtrainer::bank
