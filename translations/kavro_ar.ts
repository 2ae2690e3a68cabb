<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>DocumentCommand</name>
    <message>
        <source>Add channel</source>
        <translation>إضافة قناة</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>إضافة مجموعة</translation>
    </message>
    <message>
        <source>Add satellite</source>
        <translation>إضافة قمر صناعي</translation>
    </message>
    <message>
        <source>Add transponder</source>
        <translation>إضافة تردد</translation>
    </message>
    <message>
        <source>Auto Arabisation</source>
        <translation>التعريب التلقائي</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>حذف مجموعة</translation>
    </message>
    <message>
        <source>Delete satellite</source>
        <translation>حذف قمر صناعي</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>حذف تردد</translation>
    </message>
    <message>
        <source>Edit channel</source>
        <translation>تعديل قناة</translation>
    </message>
    <message>
        <source>Edit group</source>
        <translation>تعديل مجموعة</translation>
    </message>
    <message>
        <source>Edit satellite</source>
        <translation>تعديل قمر صناعي</translation>
    </message>
    <message>
        <source>Change receiver settings</source>
        <translation>تغيير إعدادات الجهاز</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>تعديل تردد</translation>
    </message>
    <message>
        <source>Move group</source>
        <translation>نقل مجموعة</translation>
    </message>
    <message>
        <source>Move satellite</source>
        <translation>نقل قمر صناعي</translation>
    </message>
    <message>
        <source>Move transponder</source>
        <translation>نقل تردد</translation>
    </message>
    <message>
        <source>Remove C Band</source>
        <translation>حذف الحزمة C</translation>
    </message>
    <message>
        <source>Delete channel</source>
        <translation>حذف قناة</translation>
    </message>
    <message>
        <source>Delete channels</source>
        <translation>حذف قنوات</translation>
    </message>
    <message>
        <source>Remove Data</source>
        <translation>حذف قنوات البيانات</translation>
    </message>
    <message>
        <source>Remove from group</source>
        <translation>إزالة من المجموعة</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>ترتيب</translation>
    </message>
    <message>
        <source>Reorder group members</source>
        <translation>إعادة ترتيب قنوات المجموعة</translation>
    </message>
    <message>
        <source>Change group membership</source>
        <translation>تغيير عضوية المجموعة</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Kavro Channel Editor

ChData

.ird
irdfile
Kavro Channel Data</source>
        <translation>محرر قنوات Kavro

ChData

.ird
irdfile
بيانات قنوات Kavro</translation>
    </message>
    <message>
        <source>Edit selected item.
Edit</source>
        <translation>تعديل العنصر المحدد.
تعديل</translation>
    </message>
    <message>
        <source>Add new item.
Add</source>
        <translation>إضافة عنصر جديد.
إضافة</translation>
    </message>
    <message>
        <source>Delete selected item.
Delete</source>
        <translation>حذف العنصر المحدد.
حذف</translation>
    </message>
    <message>
        <source>The following occurrence of the text specified in preceding research Seeks.
Find Next</source>
        <translation>البحث عن الظهور التالي للنص المطلوب في البحث السابق.
بحث عن التالي</translation>
    </message>
    <message>
        <source>Rename Arabic channals.
Auto Arabisation</source>
        <translation>تسمية القنوات بأسمائها العربية.
التعريب التلقائي</translation>
    </message>
    <message>
        <source>Remove DATA channals.
Remove DATA</source>
        <translation>حذف قنوات البيانات.
حذف قنوات البيانات</translation>
    </message>
    <message>
        <source>Remove the C Band satellite.
Remove C Band</source>
        <translation>حذف أقمار الحزمة C.
حذف الحزمة C</translation>
    </message>
    <message>
        <source>Read the data from the receiver.
Upload</source>
        <translation>قراءة البيانات من الجهاز.
استقبال من الجهاز</translation>
    </message>
    <message>
        <source>Send the data to the receiver.
Download</source>
        <translation>إرسال البيانات إلى الجهاز.
إرسال إلى الجهاز</translation>
    </message>
    <message>
        <source>Channals list Sorting.
Sort</source>
        <translation>ترتيب قائمة القنوات.
ترتيب</translation>
    </message>
    <message>
        <source>Edit the list of Arabic channals.
Arabic channals</source>
        <translation>تعديل قائمة أسماء القنوات العربية.
القنوات العربية</translation>
    </message>
    <message>
        <source>View Parameters.
Parameters</source>
        <translation>عرض إعدادات الجهاز.
الإعدادات</translation>
    </message>
    <message>
        <source>Toggle language.
Language</source>
        <translation>تبديل لغة الواجهة.
اللغة</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>الأقمار الصناعية</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>المجموعات</translation>
    </message>
    <message>
        <source>Data File (*.IRD)|*.IRD|All files (*.*)|*.*||</source>
        <translation>ملف البيانات (*.IRD)|*.IRD|كل الملفات (*.*)|*.*||</translation>
    </message>
    <message>
        <source>All files (*.*)|*.*||</source>
        <translation>كل الملفات (*.*)|*.*||</translation>
    </message>
    <message>
        <source> - &lt;Realized by : %s&gt;</source>
        <translation> - &lt;من إنجاز : %s&gt;</translation>
    </message>
    <message>
        <source>Do you want to remove this satellite?</source>
        <translation>هل تريد حذف هذا القمر الصناعي؟</translation>
    </message>
    <message>
        <source>Do you want to remove this transpondeur?</source>
        <translation>هل تريد حذف هذا التردد؟</translation>
    </message>
    <message>
        <source>Do you want to remove this group?</source>
        <translation>هل تريد حذف هذه المجموعة؟</translation>
    </message>
    <message>
        <source>Do you want to remove this channal?</source>
        <translation>هل تريد حذف هذه القناة؟</translation>
    </message>
    <message>
        <source>Do you want to remove these channals?</source>
        <translation>هل تريد حذف هذه القنوات؟</translation>
    </message>
    <message>
        <source>Type
Channal
Satellite
TP
V-PID
A-PID
PCR
SID
PMT
TText
AC3-PID
Audio Lang</source>
        <translation>النوع
القناة
القمر
التردد
V-PID
A-PID
PCR
SID
PMT
TText
AC3-PID
لغة الصوت</translation>
    </message>
    <message>
        <source>Opening file in progress...</source>
        <translation>جارٍ فتح الملف...</translation>
    </message>
    <message>
        <source>Saving file in progress...</source>
        <translation>جارٍ حفظ الملف...</translation>
    </message>
    <message>
        <source>The File &apos;%s&apos; is cannot be identified as a supported type.
Please make sure that it is the good file!</source>
        <translation>تعذّر التعرف على الملف &apos;%s&apos; كملف من نوع مدعوم.
يرجى التأكد من أنه الملف الصحيح!</translation>
    </message>
    <message>
        <source>Invalidate File or DATA version is different.
Please make sure that it is the good file!</source>
        <translation>الملف غير صالح أو إصدار البيانات مختلف.
يرجى التأكد من أنه الملف الصحيح!</translation>
    </message>
    <message>
        <source>n°
Latin Name
Arabic Name
</source>
        <translation>رقم
الاسم اللاتيني
الاسم العربي
</translation>
    </message>
    <message>
        <source>This channel name already exist at the position %d.

Are sure to change it?</source>
        <translation>اسم القناة هذا موجود مسبقًا في الموضع %d.

هل أنت متأكد من تغييره؟</translation>
    </message>
    <message>
        <source>The receiver holds at most %d satellites.</source>
        <translation>يتسع الجهاز لـ %d قمرًا صناعيًا على الأكثر.</translation>
    </message>
    <message>
        <source>The receiver holds at most %d transponders.</source>
        <translation>يتسع الجهاز لـ %d ترددًا على الأكثر.</translation>
    </message>
    <message>
        <source>The receiver holds at most %d channels.</source>
        <translation>يتسع الجهاز لـ %d قناة على الأكثر.</translation>
    </message>
    <message>
        <source>The receiver holds at most %d groups.</source>
        <translation>يتسع الجهاز لـ %d مجموعة على الأكثر.</translation>
    </message>
    <message>
        <source>A group holds at most %d channels.</source>
        <translation>تتسع المجموعة لـ %d قناة على الأكثر.</translation>
    </message>
    <message>
        <source>Cannot open the port &apos;%s&apos;.</source>
        <translation>تعذّر فتح المنفذ &apos;%s&apos;.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>الذاكرة غير كافية.</translation>
    </message>
    <message>
        <source>Remainder : %d Sec.</source>
        <translation>المتبقي : %d ثانية.</translation>
    </message>
    <message>
        <source>Successful to Upload Header.</source>
        <translation>تم استقبال الترويسة بنجاح.</translation>
    </message>
    <message>
        <source>Successful to Upload data.</source>
        <translation>تم استقبال البيانات بنجاح.</translation>
    </message>
    <message>
        <source>Failed to Upload data.
Want réessayer another time!</source>
        <translation>فشل استقبال البيانات.
يرجى إعادة المحاولة!</translation>
    </message>
    <message>
        <source>Cannot write data to list.</source>
        <translation>تعذّرت كتابة البيانات في القائمة.</translation>
    </message>
    <message>
        <source>The receiver announced an image of %d bytes, far more than a receiver database holds.
Nothing was received.</source>
        <translation>أعلن الجهاز عن صورة حجمها %d بايت، وهو أكبر بكثير مما تتسع له قاعدة بيانات الجهاز.
لم يُستقبل شيء.</translation>
    </message>
    <message>
        <source>Successful to Download Header.</source>
        <translation>تم إرسال الترويسة بنجاح.</translation>
    </message>
    <message>
        <source>Successful to Download data.</source>
        <translation>تم إرسال البيانات بنجاح.</translation>
    </message>
    <message>
        <source>Failed to Download data.
Want réessayer another time!</source>
        <translation>فشل إرسال البيانات.
يرجى إعادة المحاولة!</translation>
    </message>
    <message>
        <source>Cannot read data from list.</source>
        <translation>تعذّرت قراءة البيانات من القائمة.</translation>
    </message>
    <message>
        <source>The receiver stopped answering: nothing arrived for %d s.</source>
        <translation>توقف الجهاز عن الاستجابة: لم يصل شيء منذ %d ثانية.</translation>
    </message>
    <message>
        <source>The receiver announced an image of %d bytes, too short for a receiver database.
Nothing was received.</source>
        <translation>أعلن الجهاز عن صورة حجمها %d بايت، وهي أصغر من أن تكون قاعدة بيانات جهاز.
لم يُستقبل شيء.</translation>
    </message>
    <message>
        <source>The receiver ended the transfer after %1 of %2 bytes.</source>
        <translation>أنهى الجهاز النقل بعد %1 من %2 بايت.</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>أُلغي النقل.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>This channal is Crypted! are you sure to rename it?</source>
        <translation>هذه القناة مشفرة! هل أنت متأكد من إعادة تسميتها؟</translation>
    </message>
    <message>
        <source>All Satellites</source>
        <translation>كل الأقمار</translation>
    </message>
    <message>
        <source>All Transponders</source>
        <translation>كل الترددات</translation>
    </message>
    <message>
        <source>Cannot find &apos;%s&apos;</source>
        <translation>تعذّر العثور على &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message>
        <source>Open an existing document.
Open</source>
        <translation>فتح ملف موجود.
فتح</translation>
    </message>
    <message>
        <source>Save the active document.
Save</source>
        <translation>حفظ الملف الحالي.
حفظ</translation>
    </message>
    <message>
        <source>Save the active document with a new name.
Save As</source>
        <translation>حفظ الملف الحالي باسم جديد.
حفظ باسم</translation>
    </message>
    <message>
        <source>Find the specified text.
Find</source>
        <translation>البحث عن النص المحدد.
بحث</translation>
    </message>
    <message>
        <source>Read again the file.
Read again the file</source>
        <translation>إعادة قراءة الملف.
إعادة قراءة الملف</translation>
    </message>
    <message>
        <source>Select the entire document.
Select All</source>
        <translation>تحديد الكل.
تحديد الكل</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright.
About</source>
        <translation>عرض معلومات البرنامج ورقم الإصدار وحقوق النشر.
حول</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents.
Exit</source>
        <translation>إنهاء البرنامج مع السؤال عن حفظ التغييرات.
خروج</translation>
    </message>
    <message>
        <source> Sel (0000,0000) </source>
        <translation> تحديد (0000,0000) </translation>
    </message>
    <message>
        <source> Tot: 0000/0000 </source>
        <translation> المجموع: 0000/0000 </translation>
    </message>
    <message>
        <source>  0000/00/00 - 00:00  </source>
        <translation>  0000/00/00 - 00:00  </translation>
    </message>
    <message>
        <source>Show or hide the toolbar.
Toggle ToolBar</source>
        <translation>إظهار شريط الأدوات أو إخفاؤه.
شريط الأدوات</translation>
    </message>
    <message>
        <source>Show or hide the status bar.
Toggle StatusBar</source>
        <translation>إظهار شريط الحالة أو إخفاؤه.
شريط الحالة</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>فشل فتح الملف.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>لم يُعثر على %1.</translation>
    </message>
    <message>
        <source>%1 cannot be accessed.</source>
        <translation>لا يمكن الوصول إلى %1.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>فشل حفظ الملف.</translation>
    </message>
    <message>
        <source>An error occurred while writing %1.</source>
        <translation>حدث خطأ أثناء كتابة %1.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>يرجى إدخال عدد صحيح.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>يرجى إدخال عدد صحيح بين %1 و %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>يرجى ألا يتجاوز الإدخال %1 حرفًا.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>يرجى إدخال عدد صحيح موجب.</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلفزيون</translation>
    </message>
    <message>
        <source>RADIO</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>DATA</source>
        <translation>بيانات</translation>
    </message>
    <message>
        <source>Type
Order
Satellites
TP
Channel
</source>
        <translation>النوع
الترتيب
الأقمار
التردد
القناة
</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>Universel</source>
        <translation>يونيفرسال</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Mini A</source>
        <translation>Mini A</translation>
    </message>
    <message>
        <source>Mini B</source>
        <translation>Mini B</translation>
    </message>
    <message>
        <source>Port 1</source>
        <translation>المنفذ 1</translation>
    </message>
    <message>
        <source>Port 2</source>
        <translation>المنفذ 2</translation>
    </message>
    <message>
        <source>Port 3</source>
        <translation>المنفذ 3</translation>
    </message>
    <message>
        <source>Port 4</source>
        <translation>المنفذ 4</translation>
    </message>
    <message>
        <source>DiSEqC 1.2</source>
        <translation>DiSEqC 1.2</translation>
    </message>
    <message>
        <source>USALS</source>
        <translation>USALS</translation>
    </message>
    <message>
        <source>Est</source>
        <translation>شرق</translation>
    </message>
    <message>
        <source>Ouest</source>
        <translation>غرب</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>1/2</source>
        <translation>1/2</translation>
    </message>
    <message>
        <source>2/3</source>
        <translation>2/3</translation>
    </message>
    <message>
        <source>3/4</source>
        <translation>3/4</translation>
    </message>
    <message>
        <source>4/6</source>
        <translation>4/6</translation>
    </message>
    <message>
        <source>7/8</source>
        <translation>7/8</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>  3:4</source>
        <translation>  3:4</translation>
    </message>
    <message>
        <source>16:9</source>
        <translation>16:9</translation>
    </message>
    <message>
        <source>Letter Box</source>
        <translation>Letter Box</translation>
    </message>
    <message>
        <source>Combined</source>
        <translation>مدمج</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <source>Pan-Scan</source>
        <translation>Pan-Scan</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
    <message>
        <source>English</source>
        <translation>الإنجليزية</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>العربية</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>الروسية</translation>
    </message>
    <message>
        <source>French</source>
        <translation>الفرنسية</translation>
    </message>
    <message>
        <source>German</source>
        <translation>الألمانية</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>الإيطالية</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>الإسبانية</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>البولندية</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>التركية</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>الفارسية</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>الهولندية</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>اليونانية</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>الصينية</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>التشيكية</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>الدنماركية</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>الفنلندية</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>المجرية</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>اليابانية</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>الكورية</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>البرتغالية</translation>
    </message>
    <message>
        <source>Rumanian</source>
        <translation>الرومانية</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>السويدية</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>السلوفاكية</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>الإندونيسية</translation>
    </message>
    <message>
        <source>DVB</source>
        <translation>DVB</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>1s</source>
        <translation>1 ث</translation>
    </message>
    <message>
        <source>3s</source>
        <translation>3 ث</translation>
    </message>
    <message>
        <source>5s</source>
        <translation>5 ث</translation>
    </message>
    <message>
        <source>10s</source>
        <translation>10 ث</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>الربيع</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>الصيف</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>الخريف</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>الشتاء</translation>
    </message>
    <message>
        <source>   0%</source>
        <translation>   0%</translation>
    </message>
    <message>
        <source> 20%</source>
        <translation> 20%</translation>
    </message>
    <message>
        <source> 40%</source>
        <translation> 40%</translation>
    </message>
    <message>
        <source> 60%</source>
        <translation> 60%</translation>
    </message>
    <message>
        <source> 80%</source>
        <translation> 80%</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>PAL-BG</source>
        <translation>PAL-BG</translation>
    </message>
    <message>
        <source>PAL-I</source>
        <translation>PAL-I</translation>
    </message>
    <message>
        <source>PAL-DK</source>
        <translation>PAL-DK</translation>
    </message>
    <message>
        <source>   Edit channal n°: %02d</source>
        <translation>   تعديل القناة رقم : %02d</translation>
    </message>
    <message>
        <source>   Add New channal n°: %02d</source>
        <translation>   إضافة قناة جديدة رقم : %02d</translation>
    </message>
    <message>
        <source>   Edit group n° : %02d</source>
        <translation>   تعديل المجموعة رقم : %02d</translation>
    </message>
    <message>
        <source>   Add new group n° : %02d </source>
        <translation>   إضافة مجموعة جديدة رقم : %02d </translation>
    </message>
    <message>
        <source>   Edit satellite n° : %02d</source>
        <translation>   تعديل القمر الصناعي رقم : %02d</translation>
    </message>
    <message>
        <source>   Add New satellite n° : %02d</source>
        <translation>   إضافة قمر صناعي جديد رقم : %02d</translation>
    </message>
    <message>
        <source>   Edit TP n° : %02d</source>
        <translation>   تعديل التردد رقم : %02d</translation>
    </message>
    <message>
        <source>   Add New TP n° : %02d</source>
        <translation>   إضافة تردد جديد رقم : %02d</translation>
    </message>
    <message>
        <source>DATA version must be: 00008209 !!!</source>
        <translation>يجب أن يكون إصدار البيانات: 00008209 !!!</translation>
    </message>
</context>
<context>
    <name>kavro::gui::AboutDialog</name>
    <message>
        <source>About Kavro Channel Editor</source>
        <translation>حول محرر قنوات Kavro</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kavro Channel Editor %1&lt;/h3&gt;&lt;p&gt;Edits the service database of your satellite receiver: satellites, transponders, channels, favourites groups and the receiver&apos;s settings, read from a .ird file or straight from the receiver over a serial cable.&lt;/p&gt;&lt;p&gt;Realized by the Kavro developers.&lt;br&gt;&lt;a href=&quot;mailto:editor@kavro.example&quot;&gt;editor@kavro.example&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;محرر قنوات Kavro %1&lt;/h3&gt;&lt;p&gt;يحرر قاعدة بيانات الخدمات في جهاز الاستقبال الفضائي: الأقمار الصناعية والترددات والقنوات ومجموعات المفضلة وإعدادات الجهاز، تُقرأ من ملف ‎.ird أو مباشرة من الجهاز عبر كابل تسلسلي.&lt;/p&gt;&lt;p&gt;من إنجاز مطوري Kavro.&lt;br&gt;&lt;a href=&quot;mailto:editor@kavro.example&quot;&gt;editor@kavro.example&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>kavro::gui::ArabicListDialog</name>
    <message>
        <source>   Edit the list of Arabic channals</source>
        <translation>   تعديل قائمة أسماء القنوات العربية</translation>
    </message>
    <message>
        <source>Latin Name :</source>
        <translation>الاسم اللاتيني :</translation>
    </message>
    <message>
        <source>Arabic Name :</source>
        <translation>الاسم العربي :</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;تعديل</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>إ&amp;ضافة</translation>
    </message>
    <message>
        <source>&amp;Del</source>
        <translation>&amp;حذف</translation>
    </message>
</context>
<context>
    <name>kavro::gui::ChannelDialog</name>
    <message>
        <source>Original</source>
        <translation>الأصلي</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>القمر الصناعي :</translation>
    </message>
    <message>
        <source>TP :</source>
        <translation>التردد :</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>الاسم :</translation>
    </message>
    <message>
        <source>V-PID :</source>
        <translation>‏V-PID :</translation>
    </message>
    <message>
        <source>A-PID :</source>
        <translation>‏A-PID :</translation>
    </message>
    <message>
        <source>PCR :</source>
        <translation>‏PCR :</translation>
    </message>
    <message>
        <source>SID :</source>
        <translation>‏SID :</translation>
    </message>
    <message>
        <source>PMT :</source>
        <translation>‏PMT :</translation>
    </message>
    <message>
        <source>TTEXT :</source>
        <translation>‏TTEXT :</translation>
    </message>
    <message>
        <source>AC3-PID :</source>
        <translation>‏AC3-PID :</translation>
    </message>
    <message>
        <source>X-PID :</source>
        <translation>‏X-PID :</translation>
    </message>
    <message>
        <source>Crypted</source>
        <translation>مشفرة</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>مقفلة</translation>
    </message>
    <message>
        <source>Type :</source>
        <translation>النوع :</translation>
    </message>
    <message>
        <source>Audio Lang :</source>
        <translation>لغة الصوت :</translation>
    </message>
    <message>
        <source>Limit :</source>
        <translation>حد العمر :</translation>
    </message>
    <message>
        <source> ECM-PID </source>
        <translation>‏ ECM-PID </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>kavro::gui::ChannelList</name>
    <message>
        <source>&amp;Group</source>
        <translation>ال&amp;مجموعة</translation>
    </message>
    <message>
        <source>Select &amp;Crypted channals</source>
        <translation>تحديد القنوات المش&amp;فرة</translation>
    </message>
    <message>
        <source>Select Clear channals &amp;FTA</source>
        <translation>تحديد القنوات المفت&amp;وحة</translation>
    </message>
    <message>
        <source>Select the crypted channels of the list.</source>
        <translation>تحديد القنوات المشفرة في القائمة.</translation>
    </message>
    <message>
        <source>Select the free-to-air channels of the list.</source>
        <translation>تحديد القنوات المفتوحة (غير المشفرة) في القائمة.</translation>
    </message>
</context>
<context>
    <name>kavro::gui::CommandActions</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;فتح...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>حفظ &amp;باسم...</translation>
    </message>
    <message>
        <source>&amp;Read again file</source>
        <translation>إ&amp;عادة قراءة الملف</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>ترا&amp;جع</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>التراجع عن آخر تغيير.</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>إ&amp;عادة</translation>
    </message>
    <message>
        <source>Redo the change that was undone.</source>
        <translation>إعادة التغيير الذي تم التراجع عنه.</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;تعديل...</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>إ&amp;ضافة...</translation>
    </message>
    <message>
        <source>&amp;Del</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>تحديد ال&amp;كل</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;بحث...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>بحث عن التا&amp;لي</translation>
    </message>
    <message>
        <source>&amp;ToolBar</source>
        <translation>شريط الأ&amp;دوات</translation>
    </message>
    <message>
        <source>&amp;StatusBar</source>
        <translation>شريط ال&amp;حالة</translation>
    </message>
    <message>
        <source>Choise English language (default).
English</source>
        <translation>اختيار اللغة الإنجليزية (الافتراضية).
English</translation>
    </message>
    <message>
        <source>Choise Arabic language.
Arabic</source>
        <translation>اختيار اللغة العربية.
عربية</translation>
    </message>
    <message>
        <source>Choise French language.
French</source>
        <translation>اختيار اللغة الفرنسية.
Français</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Auto Arabisation</source>
        <translation>التعريب التلقائي</translation>
    </message>
    <message>
        <source>Remove Data</source>
        <translation>حذف قنوات البيانات</translation>
    </message>
    <message>
        <source>Remove C Band</source>
        <translation>حذف الحزمة C</translation>
    </message>
    <message>
        <source>Upload...</source>
        <translation>استقبال من الجهاز...</translation>
    </message>
    <message>
        <source>Download...</source>
        <translation>إرسال إلى الجهاز...</translation>
    </message>
    <message>
        <source>Arabic channals...</source>
        <translation>القنوات العربية...</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>ترتيب</translation>
    </message>
    <message>
        <source>&amp;Parameters...</source>
        <translation>الإ&amp;عدادات...</translation>
    </message>
    <message>
        <source>&amp;About Kavro Channel Editor...</source>
        <translation>&amp;حول محرر قنوات Kavro...</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>ترا&amp;جع عن %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>إ&amp;عادة %1</translation>
    </message>
</context>
<context>
    <name>kavro::gui::FindDialog</name>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>&amp;Satellite :</source>
        <translation>ال&amp;قمر الصناعي :</translation>
    </message>
    <message>
        <source>&amp;Transponder :</source>
        <translation>ال&amp;تردد :</translation>
    </message>
    <message>
        <source>C&amp;hannal :</source>
        <translation>ال&amp;قناة :</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>ال&amp;تالي</translation>
    </message>
</context>
<context>
    <name>kavro::gui::GroupDialog</name>
    <message>
        <source>Original</source>
        <translation>الأصلي</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>القمر الصناعي :</translation>
    </message>
    <message>
        <source>Group :</source>
        <translation>المجموعة :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>kavro::gui::LanguageSwitcher</name>
    <message>
        <source>The language file %1 is missing or cannot be read.
The interface stays in English.</source>
        <translation>ملف اللغة %1 غير موجود أو لا يمكن قراءته.
ستبقى الواجهة باللغة الإنجليزية.</translation>
    </message>
</context>
<context>
    <name>kavro::gui::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;تعديل</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;أدوات</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ال&amp;لغة</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>شريط الأدوات</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>الملفات الأخيرة</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) renamed</source>
        <translation>
            <numerusform>لم تُعَد تسمية أي قناة</numerusform>
            <numerusform>أُعيدت تسمية قناة واحدة</numerusform>
            <numerusform>أُعيدت تسمية قناتين</numerusform>
            <numerusform>أُعيدت تسمية %n قنوات</numerusform>
            <numerusform>أُعيدت تسمية %n قناة</numerusform>
            <numerusform>أُعيدت تسمية %n قناة</numerusform>
        </translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>بدون عنوان</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>هل تريد حفظ التغييرات في %1؟</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it with the data received from the receiver?</source>
        <translation>%1 موجود مسبقًا.
هل تريد استبداله بالبيانات المستقبلة من الجهاز؟</translation>
    </message>
    <message>
        <source>Open this document.</source>
        <translation>فتح هذا الملف.</translation>
    </message>
</context>
<context>
    <name>kavro::gui::ParametersDialog</name>
    <message>
        <source>Video Output :</source>
        <translation>خرج الفيديو :</translation>
    </message>
    <message>
        <source>Screen Mode :</source>
        <translation>أبعاد الشاشة :</translation>
    </message>
    <message>
        <source>Conversion :</source>
        <translation>التحويل :</translation>
    </message>
    <message>
        <source>TV type :</source>
        <translation>نظام التلفزيون :</translation>
    </message>
    <message>
        <source>Sound Dolby</source>
        <translation>صوت دولبي</translation>
    </message>
    <message>
        <source> Output Setting </source>
        <translation> إعدادات الخرج </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Curent Time :</source>
        <translation>الوقت الحالي :</translation>
    </message>
    <message>
        <source>Curent Date :</source>
        <translation>التاريخ الحالي :</translation>
    </message>
    <message>
        <source>Wakeup Time :</source>
        <translation>وقت التشغيل :</translation>
    </message>
    <message>
        <source>Sleep Time :</source>
        <translation>وقت الإيقاف :</translation>
    </message>
    <message>
        <source> Time Setting </source>
        <translation> إعدادات الوقت </translation>
    </message>
    <message>
        <source>Menu Lang :</source>
        <translation>لغة القائمة :</translation>
    </message>
    <message>
        <source>Audio Lang :</source>
        <translation>لغة الصوت :</translation>
    </message>
    <message>
        <source>Subtitle :</source>
        <translation>الترجمة :</translation>
    </message>
    <message>
        <source>Subtitle Lang :</source>
        <translation>لغة الترجمة :</translation>
    </message>
    <message>
        <source> Language Setting </source>
        <translation> إعدادات اللغة </translation>
    </message>
    <message>
        <source>Show info :</source>
        <translation>مدة عرض المعلومات :</translation>
    </message>
    <message>
        <source>Background :</source>
        <translation>الخلفية :</translation>
    </message>
    <message>
        <source>Transparency :</source>
        <translation>الشفافية :</translation>
    </message>
    <message>
        <source>Sound Effets :</source>
        <translation>المؤثرات الصوتية :</translation>
    </message>
    <message>
        <source>OSD Setting </source>
        <translation>إعدادات العرض على الشاشة </translation>
    </message>
    <message>
        <source>Group :</source>
        <translation>المجموعة :</translation>
    </message>
    <message>
        <source>Channal :</source>
        <translation>القناة :</translation>
    </message>
    <message>
        <source>Volume :</source>
        <translation>مستوى الصوت :</translation>
    </message>
    <message>
        <source> Startup Infos </source>
        <translation> عند التشغيل </translation>
    </message>
    <message>
        <source>Age Lock :</source>
        <translation>قفل العمر :</translation>
    </message>
    <message>
        <source>Menu Lock :</source>
        <translation>قفل القائمة :</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>كلمة المرور :</translation>
    </message>
    <message>
        <source> Lock Control </source>
        <translation> التحكم بالأقفال </translation>
    </message>
    <message>
        <source>UHF Channal :</source>
        <translation>قناة UHF :</translation>
    </message>
    <message>
        <source>Standard PAL :</source>
        <translation>معيار PAL :</translation>
    </message>
    <message>
        <source> UHF Control </source>
        <translation> إعدادات UHF </translation>
    </message>
    <message>
        <source> Number </source>
        <translation> الأعداد </translation>
    </message>
    <message>
        <source>   Parameters &lt;&lt;%1&gt;&gt;</source>
        <translation>   إعدادات الجهاز &lt;&lt;%1&gt;&gt;</translation>
    </message>
    <message>
        <source>Sat : %1</source>
        <translation>الأقمار : %1</translation>
    </message>
    <message>
        <source>TP : %1</source>
        <translation>الترددات : %1</translation>
    </message>
    <message>
        <source>Channals : %1</source>
        <translation>القنوات : %1</translation>
    </message>
    <message>
        <source>Groups : %1</source>
        <translation>المجموعات : %1</translation>
    </message>
</context>
<context>
    <name>kavro::gui::SatelliteDialog</name>
    <message>
        <source>Original</source>
        <translation>الأصلي</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>الاسم :</translation>
    </message>
    <message>
        <source>LNB : </source>
        <translation>نوع LNB : </translation>
    </message>
    <message>
        <source>MHZ</source>
        <translation>ميغاهرتز</translation>
    </message>
    <message>
        <source>DiSEqC :</source>
        <translation>منفذ DiSEqC :</translation>
    </message>
    <message>
        <source>Position :</source>
        <translation>الموقع :</translation>
    </message>
    <message>
        <source>22KHZ</source>
        <translation>22 كيلوهرتز</translation>
    </message>
    <message>
        <source>12V</source>
        <translation>12 فولت</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>تغذية LNB</translation>
    </message>
    <message>
        <source>Chosen</source>
        <translation>مختار</translation>
    </message>
    <message>
        <source>Grouped</source>
        <translation>ضمن مجموعة</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>kavro::gui::StatusPanes</name>
    <message>
        <source> Sel (%1,%2) </source>
        <translation> تحديد (%1,%2) </translation>
    </message>
    <message>
        <source> Sel (-,-) </source>
        <translation> تحديد (-,-) </translation>
    </message>
    <message>
        <source> Tot: %1/%2 </source>
        <translation> المجموع: %1/%2 </translation>
    </message>
</context>
<context>
    <name>kavro::gui::TransferController</name>
    <message>
        <source>Uploading data in progress...</source>
        <translation>جارٍ استقبال البيانات من الجهاز...</translation>
    </message>
    <message>
        <source>Downloading data in progress...</source>
        <translation>جارٍ إرسال البيانات إلى الجهاز...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>بدون عنوان</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>هل تريد حفظ التغييرات في %1؟</translation>
    </message>
</context>
<context>
    <name>kavro::gui::TransferDialog</name>
    <message>
        <source>   Upload the data from the receiver</source>
        <translation>   استقبال البيانات من الجهاز</translation>
    </message>
    <message>
        <source>   Download the data to the receiver</source>
        <translation>   إرسال البيانات إلى الجهاز</translation>
    </message>
    <message>
        <source>1 - Select serial port.
2 - Turn receiver off (STANDBY) &apos;----&apos;.
3 - Press remote control keys &apos;58302&apos;.
4 - Click &apos;Upload&apos;.</source>
        <translation>1 - اختر المنفذ التسلسلي.
2 - ضع الجهاز في وضع الاستعداد (STANDBY) &apos;----&apos;.
3 - اضغط أزرار جهاز التحكم &apos;58302&apos;.
4 - انقر &apos;استقبال&apos;.</translation>
    </message>
    <message>
        <source>1 - Select serial port.
2 - Turn receiver off (STANDBY) &apos;----&apos;.
3 - Press remote control keys &apos;69175&apos;.
4 - Click &apos;Download&apos;. </source>
        <translation>1 - اختر المنفذ التسلسلي.
2 - ضع الجهاز في وضع الاستعداد (STANDBY) &apos;----&apos;.
3 - اضغط أزرار جهاز التحكم &apos;69175&apos;.
4 - انقر &apos;إرسال&apos;. </translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>استقبال</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>إرسال</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>kavro::gui::TransponderDialog</name>
    <message>
        <source>Satellite :</source>
        <translation>القمر الصناعي :</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>التردد :</translation>
    </message>
    <message>
        <source>MHZ</source>
        <translation>ميغاهرتز</translation>
    </message>
    <message>
        <source>Pol :</source>
        <translation>الاستقطاب :</translation>
    </message>
    <message>
        <source>SR :</source>
        <translation>معدل الترميز :</translation>
    </message>
    <message>
        <source>FEC :</source>
        <translation>‏FEC :</translation>
    </message>
    <message>
        <source>TID :</source>
        <translation>‏TID :</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>الاسم :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Edits a satellite receiver&apos;s channel database.</source>
        <translation>يحرر قاعدة بيانات القنوات في جهاز استقبال فضائي.</translation>
    </message>
    <message>
        <source>A .ird file to open.</source>
        <translation>ملف ‎.ird للفتح.</translation>
    </message>
</context>
</TS>
