#include "editing/DemoDatabase.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "arabic/ReceiverName.h"
#include "arabic/Windows1256.h"

namespace kavro {
namespace {

using Sat = SatelliteRecord;
using Tp = TransponderRecord;

enum ChannelFlag : unsigned {
    Crypted = 1u << 0,
    Locked = 1u << 1,  // parental lock, age limit 18
    Teen = 1u << 2,    // age limit 12, not locked
    Latin1 = 1u << 3,  // stored as the broadcaster sends it: marker 0x05, then Latin-1 bytes
    Ac3 = 1u << 4,     // carries an AC3 track
    News = 1u << 5,    // member of the "News" favourites
    Sport = 1u << 6,   // member of the sports favourites
};

constexpr std::uint16_t kNullPid = 0x1FFF;

// Latin-1 bytes of a UTF-8 text; characters beyond Latin-1 become '?'.
std::string utf8ToLatin1(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        if ((b == 0xC2 || b == 0xC3) && i + 1 < utf8.size()) {
            const auto c = static_cast<unsigned char>(utf8[i + 1]);
            out += static_cast<char>(((b & 0x1F) << 6) | (c & 0x3F));
            i += 2;
            continue;
        }
        out += '?';
        ++i;
        while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) ++i;
    }
    return out;
}

// Names are written in UTF-8 here; the receiver gets them in its own coding.
void writeName(NameField field, std::string_view utf8, bool latin1) {
    if (!latin1) {
        encodeReceiverName(utf8ToWindows1256(utf8), field);
        return;
    }
    std::fill(field.begin(), field.end(), std::uint8_t{0});
    field[0] = kLatinNameMarker;
    const std::string bytes = utf8ToLatin1(utf8);
    std::copy_n(bytes.begin(), std::min(bytes.size(), field.size() - 1), field.begin() + 1);
}

// Appends records in tree order and keeps every image position in step, as the reader would
// have left them.
class DemoBuilder {
public:
    explicit DemoBuilder(ChannelDatabase& db) : db_(db) { db_.clear(); }

    void satellite(std::string_view name, double degrees, bool west, bool universal,
                   int diseqcPort, int positioner) {
        Sat sat;
        writeName(sat.name(), name, false);
        sat.setWest(west);
        sat.setPositionDegrees(degrees);
        sat.setLnbPower(true);
        if (!universal) {
            sat.setUniversalLnb(false);
            sat.setLnbLow(0);
            sat.setLnbHigh(Sat::kStandardHigh);
        }
        sat.setDiseqcPort(diseqcPort);
        sat.setPositioner(positioner);
        db_.satellites.push_back(std::move(sat));
    }

    void transponder(std::uint16_t mhz, int polarisation, std::uint16_t ksps, int fec,
                     std::uint16_t tid, const char* language, bool teletext = false) {
        Tp tp;
        tp.setSatellite(static_cast<int>(db_.satellites.size() - 1));
        tp.setPolarisation(polarisation);
        tp.setFec(fec);
        tp.setFrequency(mhz);
        tp.setSymbolRate(ksps);
        tp.setTid(tid);
        tp.index = nextTransponder_++;
        db_.satellites.back().transponders.push_back(std::move(tp));
        language_ = language;
        teletext_ = teletext;
    }

    void tv(std::string_view name, unsigned flags = 0) { channel(ChannelRecord::Tv, name, flags); }
    void radio(std::string_view name, unsigned flags = 0) {
        channel(ChannelRecord::Radio, name, flags);
    }
    void data(std::string_view name, unsigned flags = 0) {
        channel(ChannelRecord::Data, name, flags);
    }

    // The groups, linked to the channels, and the four counts.
    void finish() {
        GroupRecord all = group("ALL"), tv = group("TV"), radio = group("RADIO"),
                    data = group("DATA"), news = group("News"), sport = group("رياضة");
        for (std::size_t s = 0; s < db_.satellites.size(); ++s) {
            const auto& tps = db_.satellites[s].transponders;
            for (std::size_t p = 0; p < tps.size(); ++p) {
                for (std::size_t k = 0; k < tps[p].channels.size(); ++k) {
                    const ChannelRecord& ch = tps[p].channels[k];
                    const ChannelRef ref{ch.number, static_cast<std::uint16_t>(k),
                                         static_cast<std::uint16_t>(p),
                                         static_cast<std::uint16_t>(s)};
                    all.refs.push_back(ref);
                    GroupRecord& byType = ch.serviceType() == ChannelRecord::Tv      ? tv
                                          : ch.serviceType() == ChannelRecord::Radio ? radio
                                                                                     : data;
                    byType.refs.push_back(ref);
                    const unsigned flags = flags_[ch.number];
                    if (flags & News) news.refs.push_back(ref);
                    if (flags & Sport) sport.refs.push_back(ref);
                }
            }
        }
        db_.groups = {all, tv, radio, data, news, sport};
        for (GroupRecord& g : db_.groups) g.syncCount();

        db_.setGroupCount(static_cast<std::uint8_t>(db_.groups.size()));
        db_.setSatCount(static_cast<std::uint16_t>(db_.satellites.size()));
        db_.setTpCount(nextTransponder_);
        db_.setChannelCount(static_cast<std::uint16_t>(flags_.size()));
    }

private:
    static GroupRecord group(std::string_view name) {
        GroupRecord g;
        writeName(g.name(), name, false);
        return g;
    }

    void channel(int type, std::string_view name, unsigned flags) {
        Tp& tp = db_.satellites.back().transponders.back();
        const auto k = static_cast<std::uint16_t>(tp.channels.size());

        ChannelRecord ch;
        ch.setTransponder(tp.index);
        ch.setServiceType(type);
        ch.setCrypted(flags & Crypted);
        ch.setLocked(flags & Locked);
        ch.setAgeLimit((flags & Locked) ? 18 : (flags & Teen) ? 12 : 0);
        writeName(ch.name(), name, flags & Latin1);

        // PIDs laid out the way a multiplexer numbers its services: one PMT per service from
        // 0x100, the elementary streams of service k from 0x200 + 16 k.
        const auto base = static_cast<std::uint16_t>(0x200 + 0x10 * k);
        ch.setPmtPid(static_cast<std::uint16_t>(0x100 + k));
        ch.setServiceId(static_cast<std::uint16_t>(tp.tid() * 10 + k + 1));
        const bool hasVideo = type == ChannelRecord::Tv;
        const bool hasAudio = type != ChannelRecord::Data;
        ch.setVideoPid(hasVideo ? base : kNullPid);
        ch.setAudioPid(hasAudio ? static_cast<std::uint16_t>(base + 1) : kNullPid);
        ch.setPcrPid(hasVideo ? base : hasAudio ? static_cast<std::uint16_t>(base + 1) : kNullPid);
        ch.setAc3Pid((flags & Ac3) ? static_cast<std::uint16_t>(base + 2) : kNullPid);
        ch.setTeletextPid(teletext_ && hasVideo ? static_cast<std::uint16_t>(base + 3) : kNullPid);
        if (hasAudio) ch.setAudioLanguage(language_);
        // Pay channels try the first two descramblers; free ones none.
        ch.setEcmMask(0xFFFF);
        if (flags & Crypted) {
            ch.setEcmSlotSelected(1, true);
            ch.setEcmSlotSelected(2, true);
        }

        ch.number = static_cast<std::uint16_t>(flags_.size());
        flags_.push_back(flags);
        tp.channels.push_back(std::move(ch));
    }

    ChannelDatabase& db_;
    std::uint16_t nextTransponder_ = 0;
    const char* language_ = "";
    bool teletext_ = false;
    std::vector<unsigned> flags_;  // by channel number
};

void addNilesat(DemoBuilder& b) {
    b.satellite("Nilesat 7.0W", 7.0, true, true, Sat::Port1, Sat::PositionerOff);
    b.transponder(10719, Tp::PolV, 27500, Tp::Fec34, 1100, "ara");
    b.tv("Al Jazeera", News);
    b.tv("الجزيرة مباشر", News);
    b.tv("Al Jazeera Eng", News | Ac3);
    b.tv("Al Jazeera Doc");
    b.tv("جيم");
    b.radio("Al Jazeera Radio");

    b.transponder(10758, Tp::PolV, 27500, Tp::Fec34, 1200, "ara");
    b.tv("Nile TV Intl", News);
    b.tv("النيل للأخبار", News);
    b.tv("Nile Drama");
    b.tv("Nile Sport", Sport);
    b.tv("Nile Cinema");
    b.tv("Nile Comedy");
    b.tv("Nile Life");
    b.tv("Nile Culture");
    b.radio("البرنامج العام");
    b.radio("Nile FM");
    b.radio("Nogoum FM");

    b.transponder(10815, Tp::PolH, 27500, Tp::Fec34, 1300, "ara");
    b.tv("MBC 1");
    b.tv("MBC 2");
    b.tv("MBC 3");
    b.tv("MBC 4");
    b.tv("MBC Action", Teen);
    b.tv("MBC Max");
    b.tv("MBC Drama");
    b.tv("MBC Masr");
    b.tv("MBC Bollywood");
    b.radio("MBC FM");
    b.radio("Panorama FM");

    b.transponder(11096, Tp::PolH, 27500, Tp::Fec34, 1400, "ara");
    b.tv("Al Arabiya", News);
    b.tv("الحدث", News);
    b.tv("Sky News Arabia", News);
    b.tv("France 24 Arabic", News);
    b.tv("BBC Arabic", News);
    b.tv("DW Arabia", News);
    b.tv("RT Arabic", News);
    b.tv("TRT Arabi", News);
    b.tv("Al Ghad");

    b.transponder(11137, Tp::PolH, 27500, Tp::Fec23, 1500, "ara");
    b.tv("Rotana Cinema", Teen);
    b.tv("Rotana Khalijia");
    b.tv("Rotana Clip");
    b.tv("Rotana Classic");
    b.tv("Rotana Comedy");
    b.tv("Rotana Drama");
    b.tv("LBC Sat");
    b.radio("Rotana FM");

    b.transponder(11219, Tp::PolH, 27500, Tp::Fec34, 1600, "ara");
    b.tv("beIN SPORTS 1", Crypted | Sport | Ac3);
    b.tv("beIN SPORTS 2", Crypted | Sport | Ac3);
    b.tv("beIN SPORTS 3", Crypted | Sport);
    b.tv("beIN SPORTS News", Sport);
    b.tv("beIN MOVIES 1", Crypted | Ac3);
    b.tv("beIN MOVIES 2", Crypted | Locked | Ac3);
    b.tv("beIN DRAMA", Crypted);
    b.tv("beIN SERIES", Crypted);
    b.data("beIN EPG");

    b.transponder(11411, Tp::PolH, 27500, Tp::Fec34, 1700, "ara");
    b.tv("القرآن الكريم");
    b.tv("السنة النبوية");
    b.tv("Iqraa");
    b.tv("Al Resalah");
    b.tv("Al Majd");
    b.radio("إذاعة القرآن");
    b.data("Nilesat EPG");
    b.data("OTA Update");

    b.transponder(11559, Tp::PolV, 27500, Tp::Fec34, 1800, "ara");
    b.tv("CBC");
    b.tv("CBC Drama");
    b.tv("ON E");
    b.tv("DMC");
    b.tv("DMC Drama");
    b.tv("Al Nahar");
    b.tv("Al Hayah");
    b.tv("صدى البلد");
    b.tv("Extra News", News);
    b.radio("Radio Masr");

    b.transponder(12092, Tp::PolH, 27500, Tp::Fec34, 1900, "ara");
    b.tv("Spacetoon");
    b.tv("CN Arabia");
    b.tv("Majid Kids");
    b.tv("براعم");
    b.tv("Karameesh");
    b.tv("طيور الجنة");
    b.tv("Cartoonito");

    b.transponder(12226, Tp::PolV, 27500, Tp::FecAuto, 1950, "ara");
    b.tv("Al Ahly TV", Sport);
    b.tv("Zamalek TV", Sport);
    b.tv("ON Time Sports", Sport);
    b.data("Nilesat Info");
}

void addArabsat(DemoBuilder& b) {
    b.satellite("عربسات 26", 26.0, false, true, Sat::Port2, Sat::PositionerOff);
    b.transponder(11747, Tp::PolH, 27500, Tp::Fec34, 2100, "ara");
    b.tv("السعودية");
    b.tv("الإخبارية", News);
    b.tv("SSC 1", Sport);
    b.tv("SSC 2", Sport);
    b.tv("Thikrayat");
    b.tv("Saudi Quran");
    b.radio("إذاعة الرياض");

    b.transponder(11785, Tp::PolH, 27500, Tp::Fec34, 2200, "ara");
    b.tv("Dubai TV");
    b.tv("Dubai One");
    b.tv("Sama Dubai");
    b.tv("Dubai Sports", Sport);
    b.tv("Dubai Racing", Sport);
    b.tv("نور دبي");
    b.radio("Dubai FM");
    b.radio("Dubai Eye 103.8");

    b.transponder(11843, Tp::PolH, 27500, Tp::Fec34, 2300, "ara");
    b.tv("Abu Dhabi TV");
    b.tv("AD Sports 1", Sport);
    b.tv("AD Sports 2", Sport);
    b.tv("Emarat TV");
    b.tv("Al Dafrah");
    b.tv("Nat Geo AD");
    b.data("ADM Data");

    b.transponder(11881, Tp::PolV, 27500, Tp::Fec23, 2400, "ara");
    b.tv("KTV 1");
    b.tv("KTV 2");
    b.tv("KTV Sport", Sport);
    b.tv("Qatar TV");
    b.tv("Al Kass", Sport);
    b.tv("Oman TV");
    b.tv("Bahrain TV");

    b.transponder(12034, Tp::PolV, 27500, Tp::Fec34, 2500, "ara");
    b.tv("Al Iraqiya");
    b.tv("Al Sumaria");
    b.tv("Jordan TV");
    b.tv("Roya");
    b.tv("LBC");
    b.tv("MTV Lebanon");
    b.tv("Al Jadeed");
    b.tv("سوريا");
    b.tv("Al Mayadeen", News);

    b.transponder(12073, Tp::PolH, 27500, Tp::Fec34, 2600, "ara");
    b.radio("Radio Sawa");
    b.radio("MC Doualiya", News);
    b.radio("BBC Arabic Radio", News);
    b.radio("Mix FM");
    b.radio("Alif Alif FM");
    b.radio("صوت العرب");
    b.data("Arabsat EPG");
    b.data("Arabsat OTA");
}

void addHotbird(DemoBuilder& b) {
    b.satellite("Hotbird 13.0E", 13.0, false, true, Sat::Port3, Sat::PositionerOff);
    b.transponder(10992, Tp::PolV, 27500, Tp::Fec23, 300, "ita", true);
    b.tv("Rai 1");
    b.tv("Rai 2");
    b.tv("Rai 3");
    b.tv("Rai News 24", News);
    b.tv("Rai Sport", Sport);
    b.tv("Rai Scuola");
    b.tv("Rai Storia");
    b.radio("Rai Radio 1");
    b.radio("Rai Radio 2");
    b.radio("Rai Radio 3");

    b.transponder(11034, Tp::PolV, 27500, Tp::Fec34, 400, "fre", true);
    b.tv("France 24", News);
    b.tv("TV5MONDE Europe");
    b.tv("Euronews", News);
    b.tv("Arte");
    b.tv("Télé Lumière", Latin1);
    b.tv("Canal Algérie", Latin1);
    b.tv("Cubavisión Int", Latin1);
    b.tv("Andalucía TV", Latin1);
    b.radio("RFI Monde", News);

    b.transponder(11179, Tp::PolH, 27500, Tp::Fec34, 500, "pol");
    b.tv("TVP Polonia");
    b.tv("TVP Info", News);
    b.tv("Polsat", Crypted);
    b.tv("TVN", Crypted);
    b.tv("TVN24", Crypted | News);
    b.tv("Canal+ Sport", Crypted | Sport | Ac3);
    b.tv("Eleven Sports 1", Crypted | Sport);

    b.transponder(11623, Tp::PolV, 27500, Tp::Fec34, 600, "urd");
    b.tv("PTV Global");
    b.tv("PTV NEWS", News);
    b.tv("ARY Digital");
    b.tv("Geo News", News);
    b.tv("Hum TV");
    b.tv("Dunya News", News);
    b.radio("Radio Pakistan");

    b.transponder(12597, Tp::PolV, 29900, Tp::Fec23, 700, "eng");
    b.tv("BBC World News", News);
    b.tv("CNN Intl", News);
    b.tv("Bloomberg TV", News);
    b.tv("CNBC Europe");
    b.tv("Sky News Intl", News);
    b.tv("NHK World-Japan", News);
    b.tv("Fashion TV");
    b.tv("Mezzo");
    b.data("Hotbird EPG");

    b.transponder(11727, Tp::PolV, 29900, Tp::Fec78, 800, "eng");
    b.radio("Radio Vaticana");
    b.radio("BBC World Svc", News);
    b.radio("Deutsche Welle");
    b.radio("Radio Maria");
    b.data("OTA Update");
    b.data("Data Service 1");
}

void addAstra(DemoBuilder& b) {
    b.satellite("Astra 19.2E", 19.2, false, true, Sat::Port4, Sat::PositionerOff);
    b.transponder(11836, Tp::PolH, 27500, Tp::Fec34, 3101, "deu", true);
    b.tv("Das Erste", News);
    b.tv("arte");
    b.tv("PHOENIX");
    b.tv("tagesschau24", News);
    b.tv("ONE");
    b.radio("Bayern 1");
    b.radio("SWR3");
    b.radio("NDR 2");

    b.transponder(11953, Tp::PolH, 27500, Tp::Fec34, 3079, "deu", true);
    b.tv("ZDF");
    b.tv("3sat");
    b.tv("KiKA");
    b.tv("ZDFneo");
    b.tv("ZDFinfo", News);
    b.radio("Deutschlandfunk");
    b.radio("DLF Kultur");

    b.transponder(12188, Tp::PolH, 27500, Tp::Fec34, 3089, "deu", true);
    b.tv("RTL Television");
    b.tv("RTL Zwei");
    b.tv("Super RTL");
    b.tv("VOX");
    b.tv("ntv", News);
    b.tv("RTLup");
    b.tv("NITRO");

    b.transponder(12545, Tp::PolH, 22000, Tp::Fec23, 3107, "deu", true);
    b.tv("ProSieben");
    b.tv("SAT.1");
    b.tv("kabel eins");
    b.tv("SIXX");
    b.tv("ProSieben MAXX");
    b.tv("SAT.1 Gold");

    b.transponder(11719, Tp::PolH, 27500, Tp::Fec34, 3035, "deu");
    b.tv("Sky Cinema", Crypted | Ac3);
    b.tv("Sky Sport 1", Crypted | Sport | Ac3);
    b.tv("Sky Bundesliga", Crypted | Sport);
    b.tv("Sky Atlantic", Crypted);
    b.tv("Sky Crime", Crypted | Locked);
    b.tv("ORF1", Crypted);
    b.tv("ORF2", Crypted);
    b.tv("ORF III", Crypted);
    b.data("Sky Guide");

    b.transponder(10744, Tp::PolH, 22000, Tp::Fec34, 3051, "deu", true);
    b.tv("BR Fernsehen Süd", Latin1);
    b.tv("WDR Köln", Latin1);
    b.tv("SWR BW");
    b.tv("hr-fernsehen");
    b.tv("MDR Sachsen");
    b.tv("rbb Berlin");
    b.radio("Hitradio Ö3", Latin1);
    b.radio("Ö1", Latin1);
    b.radio("Bayern 3");
}

void addTurksat(DemoBuilder& b) {
    b.satellite("Türksat 42.0E", 42.0, false, true, Sat::MiniA, Sat::Diseqc12);
    b.transponder(11054, Tp::PolV, 30000, Tp::Fec34, 4100, "tur");
    b.tv("TRT 1");
    b.tv("TRT Haber", News);
    b.tv("TRT Spor", Sport);
    b.tv("TRT Çocuk", Latin1);
    b.tv("TRT Belgesel");
    b.tv("TRT Müzik", Latin1);
    b.tv("TRT Türk", Latin1);
    b.tv("TRT Avaz");
    b.radio("TRT FM");
    b.radio("TRT Radyo 1");

    b.transponder(11096, Tp::PolH, 30000, Tp::Fec34, 4200, "tur");
    b.tv("Show TV");
    b.tv("Star TV");
    b.tv("Kanal D");
    b.tv("ATV");
    b.tv("NOW");
    b.tv("TV8");
    b.tv("Kanal 7");
    b.tv("Beyaz TV");

    b.transponder(11794, Tp::PolV, 30000, Tp::Fec34, 4300, "tur");
    b.tv("Habertürk", Latin1 | News);
    b.tv("CNN Türk", Latin1 | News);
    b.tv("NTV", News);
    b.tv("Halk TV", News);
    b.tv("TGRT Haber", News);
    b.tv("Ülke TV", Latin1);
    b.tv("beIN SPORTS 1 TR", Crypted | Sport);
    b.tv("beIN MOVIES TR", Crypted | Locked);

    b.transponder(12015, Tp::PolH, 27500, Tp::Fec34, 4400, "tur");
    b.radio("Kral FM");
    b.radio("Power FM");
    b.radio("Süper FM", Latin1);
    b.radio("Radyo D");
    b.radio("Number1 FM");
    b.radio("Best FM");
    b.data("Türksat OTA", Latin1);
    b.data("Digiturk EPG");
}

// The C-band satellite: a Standard LNB (one 5150 MHz oscillator) on a USALS motor.
void addIntelsat(DemoBuilder& b) {
    b.satellite("Intelsat 20 68.5E", 68.5, false, false, Sat::DiseqcOff, Sat::Usals);
    b.transponder(3845, Tp::PolH, 30000, Tp::Fec34, 5100, "hin");
    b.tv("Zee TV", Crypted);
    b.tv("Zee Cinema", Crypted);
    b.tv("Zee News", News);
    b.tv("Zee Cafe", Crypted);
    b.tv("&TV", Crypted);

    b.transponder(3880, Tp::PolV, 28800, Tp::Fec23, 5200, "hin");
    b.tv("Star Plus", Crypted);
    b.tv("Star Gold", Crypted);
    b.tv("Star Sports 1", Crypted | Sport);
    b.tv("Nat Geo India", Crypted);
    b.tv("Star Bharat", Crypted);

    b.transponder(4054, Tp::PolH, 28800, Tp::Fec34, 5300, "hin");
    b.tv("Sony SET", Crypted);
    b.tv("Sony MAX", Crypted);
    b.tv("Sony SAB", Crypted);
    b.tv("Sony Ten 1", Crypted | Sport);
    b.tv("Sony BBC Earth", Crypted);

    b.transponder(4100, Tp::PolAuto, 27500, Tp::Fec12, 5400, "hin");
    b.tv("DD National");
    b.tv("DD News", News);
    b.tv("DD India");
    b.tv("DD Sports", Sport);
    b.radio("AIR FM Gold");
    b.radio("Vividh Bharati");
    b.data("DD Data");
}

}  // namespace

void buildDemoDatabase(ChannelDatabase& db) {
    DemoBuilder b(db);
    addNilesat(b);
    addArabsat(b);
    addHotbird(b);
    addAstra(b);
    addTurksat(b);
    addIntelsat(b);
    b.finish();
}

}  // namespace kavro
