#include "SourceJson.h"

#include "BankError.h"
#include "platform/AnsiText.h"

#include <QDir>
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

int16_t int16Of(const QJsonValue& value, const std::string& where) {
    const double number = require(value, where).toDouble(0.5);
    if (!value.isDouble() || number != static_cast<double>(static_cast<int>(number)) ||
        number < -32768 || number > 32767)
        throw BankError(where + ": must be a whole number in -32768..32767");
    return static_cast<int16_t>(number);
}

std::optional<std::string> optionalTextOf(const QJsonObject& object, const char* key,
                                          const std::string& where) {
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return std::nullopt;
    return textOf(value, where + "." + key);
}

std::vector<LinkRecord> readLinks(const QJsonArray& records, const std::string& where) {
    std::vector<LinkRecord> links;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const std::string recordWhere = at(where, i);
        const QJsonArray fields = arrayOf(records[i], recordWhere);
        if (fields.size() != 4)
            throw BankError(recordWhere + ": a link record has four fields");
        links.push_back(
            {int16Of(fields[0], at(recordWhere, 0)), textOf(fields[1], at(recordWhere, 1)),
             int16Of(fields[2], at(recordWhere, 2)), int16Of(fields[3], at(recordWhere, 3))});
    }
    return links;
}

std::vector<DisabledRecord> readDisabled(const QJsonArray& records, const std::string& where) {
    std::vector<DisabledRecord> disabled;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const std::string recordWhere = at(where, i);
        const QJsonArray fields = arrayOf(records[i], recordWhere);
        if (fields.size() != 2)
            throw BankError(recordWhere + ": a disabled record has two fields");
        disabled.push_back(
            {int16Of(fields[0], at(recordWhere, 0)), textOf(fields[1], at(recordWhere, 1))});
    }
    return disabled;
}

BankSource readBank(const QString& path) {
    const std::string file = path.toStdString();
    const QJsonObject root = objectOf(readJson(path).object(), file);
    BankSource bank;
    bank.name = textOf(root.value("name"), file + ": name");
    const QJsonArray questions = arrayOf(root.value("questions"), file + ": questions");
    for (qsizetype i = 0; i < questions.size(); ++i) {
        const std::string where = at(file + ": questions", i);
        const QJsonObject object = objectOf(questions[i], where);
        QuestionSource question;
        question.number = int16Of(object.value("number"), where + ".number");
        const std::string named = file + ": question " + std::to_string(question.number);
        question.level = optionalTextOf(object, "level", named);
        question.points = optionalTextOf(object, "points", named);
        bank.questions.push_back(std::move(question));
    }
    return bank;
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
    const QJsonValue links = object.value("links");
    if (!links.isUndefined())
        test.links = readLinks(arrayOf(links, where + ".links"), where + ".links");
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
    const QJsonValue disabled = root.value("disabled");
    if (!disabled.isUndefined())
        source.disabled = readDisabled(arrayOf(disabled, file + ": disabled"), file + ": disabled");

    const QDir banks(sourceFolder + QStringLiteral("/banks"));
    for (const QString& name : banks.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
        source.banks.push_back(readBank(banks.filePath(name)));
    return source;
}

} // namespace examtrainer::bank
