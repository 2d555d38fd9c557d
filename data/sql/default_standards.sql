-- VeskCAD standards database "default.mdb".
--
-- The build runs this file into a new database; every statement ends with ';'
-- at the end of a line.  It holds the drawing standard of urban-planning work:
--   图层      layer of every standard item (single-database mode), with the
--             columns of the 2013 generation (LayerID, LayerType, ItemCode ...)
--   文本样式  text styles          线    standard lines
--   文本      standard texts       填充  standard hatches
--   其他      free parameters (drawing scale, unit, decimal places ...)
--   层组      layer groups         模块  modules
-- The land-use classes follow the national urban land-use classification for
-- city planning; their fills use the colours planners customarily draw them in.
--
-- Group membership.  OwnerGroup is a bit mask; bit i stands for the group whose
-- GroupId is i in the tables 层组 and 模块 (GroupId is the bit number, the mask of
-- a group is 2^GroupId).  A row belongs to every group whose bit it carries.
--    bit  0 (    1)  用地          land-use classes, parcel boundaries
--    bit  1 (    2)  道路交通      roads, rail, transport facilities
--    bit  2 (    4)  市政设施      utility networks and facilities
--    bit  3 (    8)  绿地水系      green space, water bodies
--    bit  4 (   16)  注记          annotation texts
--    bit  5 (   32)  图框图廓      sheet frame, title, north arrow, legend
--    bit  6 (   64)  建筑          buildings
--    bit  7 (  128)  规划控制线    red, blue, green, purple, yellow lines, setbacks
--    bit  8 (  256)  地形现状      terrain and existing conditions
--    bit  9 (  512)  竖向          vertical design (levels, slopes)
--    bit 10 ( 1024)  总图专项      site-plan-only items (parking bays, planting, paving),
--                                  outside the all-groups mask 1023
--    bit 11 ( 2048)  辅助          construction aids
-- 1023 (bits 0-9) is the usual "every group" mask.
--
-- References: a Textstyle beginning with '$' names a row of 文本样式 by its Item,
-- an OwnerLayer beginning with '$' names a layer item of 图层; colour 256 means
-- by layer, lineweight -1 by layer.

-- ----------------------------------------------------------------------------
-- Tables
-- ----------------------------------------------------------------------------

CREATE TABLE 图层 (
    LayerID        COUNTER PRIMARY KEY,
    LayerType      TEXT(10),
    ItemCode       TEXT(255),
    ItemApp        TEXT(100),
    Item           TEXT(100),
    GpOrder        TEXT(20),
    remark         TEXT(255),
    LayerName      TEXT(255),
    Color          TEXT(20),
    LineType       TEXT(50),
    LineTypeScale  SINGLE DEFAULT 1,
    LineWidth      DOUBLE DEFAULT 0,
    TextType       TEXT(50),
    TextTypeScale  DOUBLE DEFAULT 0.75,
    TextHeight     DOUBLE DEFAULT 0,
    EntType        TEXT(50),
    ActionCmd      TEXT(255),
    Off            INTEGER DEFAULT 0,
    Frozen         INTEGER DEFAULT 0,
    VPDFLT         INTEGER DEFAULT 0,
    Locked         INTEGER DEFAULT 0,
    OwnerGroup     LONG DEFAULT 1023,
    CreateLayer    INTEGER DEFAULT 0,
    Weight         INTEGER DEFAULT 0,
    Expand1        TEXT(255),
    Expand2        TEXT(255),
    Expand3        TEXT(255),
    Expand4        TEXT(255),
    Expand5        TEXT(255),
    Expand6        TEXT(255)
);

CREATE TABLE 文本样式 (
    Item            TEXT(100),
    TextstyleName   TEXT(100),
    FontFile        TEXT(255),
    Height          DOUBLE,
    XScale          DOUBLE,
    ObliquingAngle  DOUBLE,
    Bold            INTEGER,
    Italic          INTEGER,
    XMirror         INTEGER,
    YMirror         INTEGER,
    Vertical        INTEGER,
    OwnerGroup      LONG
);

CREATE TABLE 线 (
    Item        TEXT(100),
    Color       INTEGER,
    Weight      INTEGER,
    PolyWidth   DOUBLE,
    LineScale   DOUBLE,
    Thickness   DOUBLE,
    Linetype    TEXT(50),
    OwnerLayer  TEXT(255),
    OwnerGroup  LONG
);

CREATE TABLE 文本 (
    Item        TEXT(100),
    Color       INTEGER,
    Weight      INTEGER,
    Height      DOUBLE,
    LineScale   DOUBLE,
    Thickness   DOUBLE,
    Linetype    TEXT(50),
    Textstyle   TEXT(255),
    OwnerLayer  TEXT(255),
    OwnerGroup  LONG
);

CREATE TABLE 填充 (
    Item        TEXT(100),
    Color       INTEGER,
    Weight      INTEGER,
    LineScale   DOUBLE,
    Thickness   DOUBLE,
    Linetype    TEXT(50),
    PatType     INTEGER,
    PatName     TEXT(100),
    Angle       DOUBLE,
    Scale       DOUBLE,
    Space       DOUBLE,
    IsDouble    INTEGER,
    OwnerLayer  TEXT(255),
    OwnerGroup  LONG
);

CREATE TABLE 其他 (
    Item        TEXT(100),
    ValueText   TEXT(255),
    Type        INTEGER,
    remark      TEXT(255),
    OwnerGroup  LONG
);

CREATE TABLE 层组 (
    Item     TEXT(50),
    GroupId  INTEGER
);

CREATE TABLE 模块 (
    Item     TEXT(50),
    GroupId  INTEGER
);

-- ----------------------------------------------------------------------------
-- Groups: GroupId is the bit number of OwnerGroup
-- ----------------------------------------------------------------------------

INSERT INTO 层组 (Item, GroupId) VALUES ('用地', 0);
INSERT INTO 层组 (Item, GroupId) VALUES ('道路交通', 1);
INSERT INTO 层组 (Item, GroupId) VALUES ('市政设施', 2);
INSERT INTO 层组 (Item, GroupId) VALUES ('绿地水系', 3);
INSERT INTO 层组 (Item, GroupId) VALUES ('注记', 4);
INSERT INTO 层组 (Item, GroupId) VALUES ('图框图廓', 5);
INSERT INTO 层组 (Item, GroupId) VALUES ('建筑', 6);
INSERT INTO 层组 (Item, GroupId) VALUES ('规划控制线', 7);
INSERT INTO 层组 (Item, GroupId) VALUES ('地形现状', 8);
INSERT INTO 层组 (Item, GroupId) VALUES ('竖向', 9);
INSERT INTO 层组 (Item, GroupId) VALUES ('总图专项', 10);
INSERT INTO 层组 (Item, GroupId) VALUES ('辅助', 11);

INSERT INTO 模块 (Item, GroupId) VALUES ('用地规划', 0);
INSERT INTO 模块 (Item, GroupId) VALUES ('道路交通规划', 1);
INSERT INTO 模块 (Item, GroupId) VALUES ('市政工程规划', 2);
INSERT INTO 模块 (Item, GroupId) VALUES ('绿地水系规划', 3);
INSERT INTO 模块 (Item, GroupId) VALUES ('文字注记', 4);
INSERT INTO 模块 (Item, GroupId) VALUES ('图纸出图', 5);
INSERT INTO 模块 (Item, GroupId) VALUES ('建筑布局', 6);
INSERT INTO 模块 (Item, GroupId) VALUES ('五线控制', 7);
INSERT INTO 模块 (Item, GroupId) VALUES ('现状地形', 8);
INSERT INTO 模块 (Item, GroupId) VALUES ('竖向设计', 9);
INSERT INTO 模块 (Item, GroupId) VALUES ('总平面设计', 10);
INSERT INTO 模块 (Item, GroupId) VALUES ('辅助工具', 11);

-- ----------------------------------------------------------------------------
-- 图层: every standard item
-- ----------------------------------------------------------------------------

-- Layer rows.  LayerType 'S' marks the rows shipped with the system; 'U'/'UR' rows
-- belong to the user and name in ItemCode the system codes they replace (a list
-- separated by ';').  ItemCode is unique among the system rows of a table and is
-- never equal to an Item, so an item can be looked up by name or by code.
-- Color is text: a colour index as decimal text ('7'), or a true colour '(r,g,b)'.
-- Weight is the lineweight in hundredths of a millimetre; -3 is the default
-- lineweight.  TextHeight is in paper millimetres at the drawing scale (其他.比例).
-- ItemApp, ActionCmd and Expand1-Expand6 are left empty (null).

-- 用地分类：居住、公共管理与公共服务、商业服务业、工业、物流仓储、
-- 道路与交通设施、公用设施、绿地与广场、其他建设用地与非建设用地
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'R1', '一类居住用地', 'YD-R1一类居住', '(255,255,127)', -3, 'CONTINUOUS', 1, 0, 1, '010', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '设施齐全、环境良好，以低层住宅为主的用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'R2', '二类居住用地', 'YD-R2二类居住', '(255,255,0)', -3, 'CONTINUOUS', 1, 0, 1, '010', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '设施较齐全、环境良好，以多、中、高层住宅为主的用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'R3', '三类居住用地', 'YD-R3三类居住', '(255,191,0)', -3, 'CONTINUOUS', 1, 0, 1, '010', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '设施较欠缺、环境较差，以需要改造的简陋住宅为主的用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A1', '行政办公用地', 'YD-A1行政办公', '(255,0,255)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '党政机关、社会团体、事业单位等办公机构及其相关设施用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A2', '文化设施用地', 'YD-A2文化设施', '(255,127,255)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '图书展览、文化活动等公益性文化设施用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A3', '教育科研用地', 'YD-A3教育科研', '(255,159,207)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '高等院校、中等专业学校、中小学、科研事业单位等用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A4', '体育用地', 'YD-A4体育', '(255,63,159)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '体育场馆和体育训练基地等用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A5', '医疗卫生用地', 'YD-A5医疗卫生', '(255,111,175)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '医疗、保健、卫生、防疫、康复和急救设施等用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A6', '社会福利用地', 'YD-A6社会福利', '(255,191,223)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '为社会提供福利和慈善服务的设施用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A7', '文物古迹用地', 'YD-A7文物古迹', '(191,63,127)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '具有保护价值的古遗址、古建筑、古墓葬等用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A8', '外事用地', 'YD-A8外事', '(223,95,191)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '外国驻华使馆、领事馆、国际机构及其生活设施等用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A9', '宗教用地', 'YD-A9宗教', '(159,63,127)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '宗教活动场所用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'B1', '商业用地', 'YD-B1商业', '(255,0,0)', -3, 'CONTINUOUS', 1, 0, 1, '012', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '零售、批发、餐饮、旅馆等商业设施用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'B2', '商务用地', 'YD-B2商务', '(255,63,63)', -3, 'CONTINUOUS', 1, 0, 1, '012', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '金融保险、艺术传媒、技术服务等综合性办公用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'B3', '娱乐康体用地', 'YD-B3娱乐康体', '(255,95,63)', -3, 'CONTINUOUS', 1, 0, 1, '012', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '娱乐、康体等设施用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'B4', '公用设施营业网点用地', 'YD-B4营业网点', '(255,127,95)', -3, 'CONTINUOUS', 1, 0, 1, '012', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '零售加油、加气、电信、邮政等公用设施营业网点用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'B9', '其他服务设施用地', 'YD-B9其他服务', '(191,0,0)', -3, 'CONTINUOUS', 1, 0, 1, '012', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '业余学校、民营培训机构、私人诊所、宠物医院等其他服务设施用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'RB', '商住混合用地', 'YD-RB商住混合', '(255,159,0)', -3, 'CONTINUOUS', 1, 0, 1, '012', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '商业与居住混合布置的用地，按主导功能计容');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'M1', '一类工业用地', 'YD-M1一类工业', '(191,127,63)', -3, 'CONTINUOUS', 1, 0, 1, '013', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '对居住和公共环境基本无干扰、污染和安全隐患的工业用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'M2', '二类工业用地', 'YD-M2二类工业', '(159,95,31)', -3, 'CONTINUOUS', 1, 0, 1, '013', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '对居住和公共环境有一定干扰、污染和安全隐患的工业用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'M3', '三类工业用地', 'YD-M3三类工业', '(127,63,0)', -3, 'CONTINUOUS', 1, 0, 1, '013', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '对居住和公共环境有严重干扰、污染和安全隐患的工业用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'W1', '一类物流仓储用地', 'YD-W1一类物流仓储', '(191,127,255)', -3, 'CONTINUOUS', 1, 0, 1, '014', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '对居住和公共环境基本无干扰、污染和安全隐患的物流仓储用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'W2', '二类物流仓储用地', 'YD-W2二类物流仓储', '(159,95,223)', -3, 'CONTINUOUS', 1, 0, 1, '014', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '对居住和公共环境有一定干扰、污染和安全隐患的物流仓储用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'W3', '三类物流仓储用地', 'YD-W3三类物流仓储', '(127,63,191)', -3, 'CONTINUOUS', 1, 0, 1, '014', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '易燃、易爆和剧毒等危险品的专用物流仓储用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1', '城市道路用地', 'YD-S1城市道路', '(217,217,217)', -3, 'CONTINUOUS', 1, 0, 3, '015', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '快速路、主干路、次干路和支路等用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S2', '城市轨道交通用地', 'YD-S2轨道交通', '(166,166,166)', -3, 'CONTINUOUS', 1, 0, 3, '015', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '独立地段的城市轨道交通地面以上部分的线路、站点用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S3', '交通枢纽用地', 'YD-S3交通枢纽', '(140,140,140)', -3, 'CONTINUOUS', 1, 0, 3, '015', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '铁路客货运站、公路长途客运站、港口客运码头、公交枢纽等用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S4', '交通场站用地', 'YD-S4交通场站', '(178,178,178)', -3, 'CONTINUOUS', 1, 0, 3, '015', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '公共交通场站、社会停车场等交通设施用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S9', '其他交通设施用地', 'YD-S9其他交通', '(204,204,204)', -3, 'CONTINUOUS', 1, 0, 3, '015', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '除以上之外的交通设施用地，如教练场等');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'U1', '供应设施用地', 'YD-U1供应设施', '(95,127,159)', -3, 'CONTINUOUS', 1, 0, 5, '016', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '供水、供电、供燃气、供热、通信、广播电视等设施用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'U2', '环境设施用地', 'YD-U2环境设施', '(79,111,127)', -3, 'CONTINUOUS', 1, 0, 5, '016', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '雨水、污水、固体废物处理等环境保护设施用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'U3', '安全设施用地', 'YD-U3安全设施', '(63,95,127)', -3, 'CONTINUOUS', 1, 0, 5, '016', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '消防、防洪等保卫城市安全的公用设施用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'U9', '其他公用设施用地', 'YD-U9其他公用设施', '(127,159,191)', -3, 'CONTINUOUS', 1, 0, 5, '016', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '除以上之外的公用设施用地，如施工、养护、维修设施等');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'G1', '公园绿地', 'YD-G1公园绿地', '(0,191,0)', -3, 'CONTINUOUS', 1, 0, 9, '017', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '向公众开放，以游憩为主要功能，兼具生态、美化、防灾等作用的绿地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'G2', '防护绿地', 'YD-G2防护绿地', '(63,127,0)', -3, 'CONTINUOUS', 1, 0, 9, '017', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '具有卫生、隔离和安全防护功能的绿地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'G3', '广场用地', 'YD-G3广场', '(210,230,210)', -3, 'CONTINUOUS', 1, 0, 9, '017', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '以游憩、纪念、集会和避险等功能为主的城市公共活动场地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'H14', '村庄建设用地', 'YD-H14村庄建设', '(255,223,159)', -3, 'CONTINUOUS', 1, 0, 1, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '农村居民点的建设用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'H2', '区域交通设施用地', 'YD-H2区域交通', '(153,153,153)', -3, 'CONTINUOUS', 1, 0, 3, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '铁路、公路、港口、机场和管道运输等区域交通运输及其附属设施用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'H3', '区域公用设施用地', 'YD-H3区域公用设施', '(111,143,175)', -3, 'CONTINUOUS', 1, 0, 5, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '为区域服务的公用设施用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'H4', '特殊用地', 'YD-H4特殊', '(127,127,63)', -3, 'CONTINUOUS', 1, 0, 1, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '军事、安保等特殊性质的用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'H5', '采矿用地', 'YD-H5采矿', '(140,110,80)', -3, 'CONTINUOUS', 1, 0, 1, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '采矿、采石、采沙、盐田、砖瓦窑等地面生产用地及尾矿堆放地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'E1', '水域', 'YD-E1水域', '(127,191,255)', -3, 'CONTINUOUS', 1, 0, 9, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '河流、湖泊、水库、坑塘、沟渠、滩涂、冰川及永久积雪');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'E2', '农林用地', 'YD-E2农林', '(191,223,127)', -3, 'CONTINUOUS', 1, 0, 9, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '耕地、园地、林地、牧草地、设施农用地、田坎、农村道路等用地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'E9', '其他非建设用地', 'YD-E9其他非建设', '(223,223,191)', -3, 'CONTINUOUS', 1, 0, 1, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '空闲地、盐碱地、沼泽地、沙地、裸地等用地');

-- 地块边界与用地红线
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'YD-BD', '地块边界', 'YD-地块边界', '7', 25, 'CONTINUOUS', 1, 0, 1, '019', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '控规地块、详规地块的闭合边界线');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'YD-RL', '用地红线', 'YD-用地红线', '1', 50, 'PHANTOM', 0.5, 0.5, 129, '019', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '建设项目用地范围的界线');

-- 道路与交通
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-CL', '道路中心线', 'DL-道路中心线', '1', 18, 'CENTER', 0.5, 0, 2, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '道路设计中心线，道路生成与编辑的依据');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-EG', '道路边线', 'DL-道路边线', '7', 30, 'CONTINUOUS', 1, 0, 2, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '车行道边线（侧石线）');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-RL', '道路红线', 'DL-道路红线', '1', 50, 'CONTINUOUS', 1, 0, 130, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划道路用地的边界控制线');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-SW', '人行道边线', 'DL-人行道边线', '8', 18, 'CONTINUOUS', 1, 0, 2, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '人行道与绿化带、建筑前区的分界线');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-MD', '分隔带', 'DL-分隔带', '3', 18, 'CONTINUOUS', 1, 0, 10, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '中央分隔带及机非分隔带边线');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-BR', '桥梁', 'DL-桥梁', '7', 35, 'CONTINUOUS', 1, 0, 2, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '跨河、跨线桥梁轮廓');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-TN', '隧道', 'DL-隧道', '7', 25, 'DASHED', 0.5, 0, 2, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '隧道及地下通道投影轮廓');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S2-LN', '轨道交通线', 'DL-轨道交通线', '(255,127,0)', 50, 'DASHDOT', 0.5, 0, 2, '021', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '城市轨道交通线路走向');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S2-ST', '轨道交通站点', 'DL-轨道交通站点', '(255,127,0)', 35, 'CONTINUOUS', 1, 0, 2, '021', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '轨道交通车站图例');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S4-BS', '公交场站', 'DL-公交场站', '5', 25, 'CONTINUOUS', 1, 0, 2, '021', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '公交首末站、枢纽站图例');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S4-PK', '社会停车场', 'DL-社会停车场', '5', 25, 'CONTINUOUS', 1, 0, 2, '021', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '独立占地的公共停车场图例');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'H2-RW', '铁路', 'DL-铁路', '7', 50, 'CONTINUOUS', 1, 0, 2, '021', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '国家及地方铁路线');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'H2-HW', '公路', 'DL-公路', '8', 35, 'CONTINUOUS', 1, 0, 2, '021', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划区内的高速公路及国省道');

-- 规划控制线（红线见道路，蓝线、绿线、紫线、黄线、建筑退线）
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'KZ-BL', '河道蓝线', 'KZ-河道蓝线', '5', 50, 'DASHDOT', 0.5, 0, 136, '030', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '城市地表水体保护和控制的地域界线');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'KZ-GL', '绿线', 'KZ-绿线', '3', 50, 'DASHDOT', 0.5, 0, 136, '030', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '城市各类绿地范围的控制线');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'KZ-PL', '紫线', 'KZ-紫线', '6', 50, 'DASHDOT', 0.5, 0, 128, '030', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '历史文化街区和历史建筑的保护范围界线');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'KZ-YL', '黄线', 'KZ-黄线', '2', 50, 'DASHDOT', 0.5, 0, 132, '030', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '城市基础设施用地的控制界线');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'KZ-SB', '建筑退线', 'KZ-建筑退线', '(255,0,255)', 25, 'DASHED', 0.5, 0, 192, '030', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '建筑物后退道路红线、用地红线的控制线');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'KZ-NO', '禁止开口路段', 'KZ-禁止开口路段', '1', 70, 'CONTINUOUS', 1, 0, 130, '030', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '禁止设置机动车出入口的路段');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'KZ-EN', '机动车出入口', 'KZ-机动车出入口', '1', 25, 'CONTINUOUS', 1, 0, 130, '030', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '地块机动车出入口方位图例');

-- 建筑
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'JZ-PL', '规划建筑', 'JZ-规划建筑', '7', 50, 'CONTINUOUS', 1, 0, 64, '040', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划新建建筑的外轮廓线');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'JZ-EX', '现状建筑', 'JZ-现状建筑', '8', 25, 'CONTINUOUS', 1, 0, 320, '040', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '保留的现状建筑轮廓');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'JZ-UG', '地下建筑范围线', 'JZ-地下建筑范围线', '4', 25, 'DASHED', 0.5, 0, 64, '040', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '地下室、地下车库的投影范围');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'JZ-HT', '建筑填充', 'JZ-建筑填充', '(255,223,191)', -3, 'CONTINUOUS', 1, 0, 64, '040', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划建筑的底色填充');

-- 市政管线与设施
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-WS', '给水管线', 'SZ-给水管线', '5', 35, 'CONTINUOUS', 1, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划给水干管、配水管');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-RW', '雨水管线', 'SZ-雨水管线', '(0,191,191)', 35, 'DASHED', 0.5, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划雨水管渠');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-SW', '污水管线', 'SZ-污水管线', '(153,102,51)', 35, 'HIDDEN', 0.5, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划污水管道');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-EP', '电力线路', 'SZ-电力线路', '1', 35, 'DIVIDE', 0.5, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '中低压电力电缆及架空线');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-TC', '通信线路', 'SZ-通信线路', '3', 25, 'DOT', 0.5, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '通信管道及光缆');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-GS', '燃气管线', 'SZ-燃气管线', '2', 35, 'PHANTOM', 0.5, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '中压、低压燃气管道');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-HT', '供热管线', 'SZ-供热管线', '(255,127,0)', 35, 'BORDER', 0.5, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '集中供热管网');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-HV', '高压走廊', 'SZ-高压走廊', '1', 25, 'DASHED', 1, 0, 132, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '高压架空线路的防护走廊边界');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-FC', '市政设施', 'SZ-市政设施', '4', 25, 'CONTINUOUS', 1, 0, 4, '050', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '变电站、水厂、污水处理厂、垃圾转运站等设施图例');

-- 绿地与水系
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SX-SL', '水系岸线', 'SX-水系岸线', '5', 35, 'CONTINUOUS', 1, 0, 8, '060', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '河道、湖泊的规划岸线');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SX-CL', '河道中心线', 'SX-河道中心线', '5', 18, 'CENTER', 0.5, 0, 8, '060', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '河道规划中心线');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SX-WA', '水面', 'SX-水面', '(127,191,255)', -3, 'CONTINUOUS', 1, 0, 8, '060', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '水面填充');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'LH-GB', '绿地边界', 'LH-绿地边界', '3', 25, 'CONTINUOUS', 1, 0, 8, '060', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '详细规划中各类绿地的边界');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'LH-ST', '行道树', 'LH-行道树', '3', 18, 'CONTINUOUS', 1, 0, 10, '060', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '道路两侧行道树图例');

-- 地形与现状
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-CT', '等高线', 'DX-等高线', '(166,124,82)', 13, 'CONTINUOUS', 1, 0, 256, '070', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '地形首曲线');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-IC', '计曲线', 'DX-计曲线', '(166,124,82)', 25, 'CONTINUOUS', 1, 0, 256, '070', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '地形计曲线（每五条首曲线加粗一条）');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-SP', '高程点', 'DX-高程点', '(166,124,82)', 13, 'CONTINUOUS', 1, 0, 256, '070', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '地形图高程点');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-RD', '现状道路', 'DX-现状道路', '8', 18, 'CONTINUOUS', 1, 0, 258, '070', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '现状道路边线');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-WT', '现状水系', 'DX-现状水系', '(127,159,191)', 18, 'CONTINUOUS', 1, 0, 264, '070', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '现状河道、坑塘岸线');

-- 竖向
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'GC-EL', '场地标高', 'GC-场地标高', '2', 13, 'CONTINUOUS', 1, 0, 512, '075', 1, 'TEXT', 'GH-坐标', 0.8, 2.5, 0, 0, 0, 0, '场地及地块设计标高');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'GC-RE', '道路标高', 'GC-道路标高', '2', 13, 'CONTINUOUS', 1, 0, 514, '075', 1, 'TEXT', 'GH-坐标', 0.8, 2.5, 0, 0, 0, 0, '道路交叉点及变坡点设计标高');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'GC-SL', '坡向坡度', 'GC-坡向坡度', '2', 13, 'CONTINUOUS', 1, 0, 514, '075', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '道路坡向箭头、坡度与坡长');

-- 注记
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-PN', '地块编号', 'ZJ-地块编号', '7', 13, 'CONTINUOUS', 1, 0, 17, '080', 1, 'TEXT', 'GH-地块编号', 0.8, 3.5, 0, 0, 0, 0, '地块编号注记');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-LC', '用地代码', 'ZJ-用地代码', '7', 13, 'CONTINUOUS', 1, 0, 17, '080', 1, 'TEXT', 'GH-用地代码', 0.8, 3, 0, 0, 0, 0, '用地性质代码注记');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-AR', '用地面积', 'ZJ-用地面积', '7', 13, 'CONTINUOUS', 1, 0, 17, '080', 1, 'TEXT', 'GH-指标', 0.8, 2.5, 0, 0, 0, 0, '地块面积注记（公顷）');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-CI', '控制指标', 'ZJ-控制指标', '7', 13, 'CONTINUOUS', 1, 0, 145, '080', 1, 'TEXT', 'GH-指标', 0.8, 2.5, 0, 0, 0, 0, '容积率、建筑密度、绿地率、限高等地块控制指标');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-RN', '道路名称', 'ZJ-道路名称', '7', 13, 'CONTINUOUS', 1, 0, 18, '080', 1, 'TEXT', 'GH-道路名称', 0.8, 4, 0, 0, 0, 0, '道路名称注记');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-RW', '道路宽度', 'ZJ-道路宽度', '7', 13, 'CONTINUOUS', 1, 0, 18, '080', 1, 'TEXT', 'GH-标注', 0.7, 2.5, 0, 0, 0, 0, '道路红线宽度及断面形式注记');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-WN', '水系名称', 'ZJ-水系名称', '5', 13, 'CONTINUOUS', 1, 0, 24, '080', 1, 'TEXT', 'GH-水系名称', 0.8, 4, 0, 0, 0, 0, '河流、湖泊名称注记');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-FL', '建筑层数', 'ZJ-建筑层数', '7', 13, 'CONTINUOUS', 1, 0, 80, '080', 1, 'TEXT', 'GH-建筑', 0.8, 3, 0, 0, 0, 0, '建筑层数注记');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-BN', '建筑名称', 'ZJ-建筑名称', '7', 13, 'CONTINUOUS', 1, 0, 80, '080', 1, 'TEXT', 'GH-建筑', 0.8, 3, 0, 0, 0, 0, '建筑名称及功能注记');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-PT', '管线标注', 'ZJ-管线标注', '4', 13, 'CONTINUOUS', 1, 0, 20, '080', 1, 'TEXT', 'GH-标注', 0.7, 2.5, 0, 0, 0, 0, '管径、管材及管线名称标注');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-CO', '坐标标注', 'ZJ-坐标标注', '7', 13, 'CONTINUOUS', 1, 0, 528, '080', 1, 'TEXT', 'GH-坐标', 0.8, 2.5, 0, 0, 0, 0, '建筑角点及道路交叉点坐标');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-DM', '尺寸标注', 'ZJ-尺寸标注', '7', 13, 'CONTINUOUS', 1, 0, 16, '080', 1, 'DIMENSION', 'GH-标注', 0.7, 2.5, 0, 0, 0, 0, '尺寸与距离标注');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-TX', '一般注记', 'ZJ-一般注记', '7', 13, 'CONTINUOUS', 1, 0, 16, '080', 1, 'TEXT', 'GH-注记', 1, 3, 0, 0, 0, 0, '其他文字说明');

-- 图框、图签与出图要素
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-FR', '图框', 'TK-图框', '7', 70, 'CONTINUOUS', 1, 0, 32, '090', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '图纸外框与内框');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-TB', '图签', 'TK-图签', '7', 35, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'GH-图签', 0.7, 3.5, 0, 0, 0, 0, '图签栏、会签栏');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-TT', '标题', 'TK-标题', '7', 35, 'CONTINUOUS', 1, 0, 48, '090', 1, 'TEXT', 'GH-标题', 1, 8, 0, 0, 0, 0, '项目名称大标题');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-TN', '图名', 'TK-图名', '7', 35, 'CONTINUOUS', 1, 0, 48, '090', 1, 'TEXT', 'GH-图名', 1, 6, 0, 0, 0, 0, '图纸名称');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-NA', '指北针', 'TK-指北针', '7', 25, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '指北针图块');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-WR', '风玫瑰', 'TK-风玫瑰', '7', 25, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '风向玫瑰图块');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-SC', '比例尺', 'TK-比例尺', '7', 25, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '图形比例尺');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-LG', '图例', 'TK-图例', '7', 18, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'GH-图例', 0.8, 3, 0, 0, 0, 0, '图例框及图例说明');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-DS', '设计说明', 'TK-设计说明', '7', 18, 'CONTINUOUS', 1, 0, 48, '090', 1, 'MTEXT', 'GH-说明', 0.8, 3.5, 0, 0, 0, 0, '图纸说明文字');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-PB', '规划范围线', 'TK-规划范围线', '6', 70, 'PHANTOM', 1, 1, 160, '090', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划编制范围的边界');

-- 总图专项（仅属于组位 10）
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZT-PS', '停车位', 'ZT-停车位', '4', 18, 'CONTINUOUS', 1, 0, 1024, '095', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '地面机动车停车位（2.5m×5.3m）');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZT-FL', '消防车道', 'ZT-消防车道', '1', 25, 'DASHED', 0.5, 0, 1024, '095', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '消防车道及登高操作场地');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZT-PV', '场地铺装', 'ZT-场地铺装', '(200,190,170)', -3, 'CONTINUOUS', 1, 0, 1024, '095', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '广场、步行道等硬质铺装');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZT-WL', '围墙', 'ZT-围墙', '8', 35, 'CONTINUOUS', 1, 0, 1024, '095', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '用地围墙及栏杆');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZT-EN', '场地出入口', 'ZT-场地出入口', '1', 25, 'CONTINUOUS', 1, 0, 1024, '095', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '基地人行、车行出入口图例');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZT-BE', '建筑出入口', 'ZT-建筑出入口', '1', 18, 'CONTINUOUS', 1, 0, 1024, '095', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '建筑主次出入口图例');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZT-TR', '乔木', 'ZT-乔木', '3', 13, 'CONTINUOUS', 1, 0, 1024, '095', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '乔木图例');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZT-SH', '灌木', 'ZT-灌木', '(102,153,51)', 13, 'CONTINUOUS', 1, 0, 1024, '095', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '灌木及绿篱图例');
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZT-LN', '草坪', 'ZT-草坪', '(150,210,110)', -3, 'CONTINUOUS', 1, 0, 1024, '095', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '草坪填充');

-- 辅助
INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'FZ-AX', '辅助线', 'FZ-辅助线', '8', 13, 'DASHED', 0.5, 0, 2048, '099', 1, 'LINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '作图辅助线，不参与出图与统计');


-- ----------------------------------------------------------------------------
-- 文本样式: FontFile is a typeface name ("宋体") or shape fonts, the
-- main font and the big font joined by "|" ("txt.shx|hztxt.shx").
-- Height in paper millimetres; ObliquingAngle in radians.
-- ----------------------------------------------------------------------------

--   标题        项目大标题
--   图名        图纸名称
--   地块编号    地块编号
--   用地代码    用地性质代码
--   控制指标    地块面积与控制指标
--   道路名称    道路名称
--   水系名称    河湖名称，左斜 15 度（0.2618 弧度）
--   标注        尺寸、宽度、管线标注
--   坐标        坐标与标高，单一形文件
--   建筑注记    建筑层数与名称
--   一般注记    一般文字说明
--   图例文字    图例说明文字
--   图签        图签栏文字，长仿宋
--   设计说明    图纸设计说明

INSERT INTO 文本样式 (Item, TextstyleName, FontFile, Height, XScale, ObliquingAngle, Bold, Italic, XMirror, YMirror, Vertical, OwnerGroup) VALUES ('标题', 'GH-标题', '黑体', 8, 1, 0, 1, 0, 0, 0, 0, 48);
INSERT INTO 文本样式 (Item, TextstyleName, FontFile, Height, XScale, ObliquingAngle, Bold, Italic, XMirror, YMirror, Vertical, OwnerGroup) VALUES ('图名', 'GH-图名', '黑体', 6, 1, 0, 0, 0, 0, 0, 0, 48);
INSERT INTO 文本样式 (Item, TextstyleName, FontFile, Height, XScale, ObliquingAngle, Bold, Italic, XMirror, YMirror, Vertical, OwnerGroup) VALUES ('地块编号', 'GH-地块编号', 'simplex.shx|gbcbig.shx', 3.5, 0.8, 0, 0, 0, 0, 0, 0, 17);
INSERT INTO 文本样式 (Item, TextstyleName, FontFile, Height, XScale, ObliquingAngle, Bold, Italic, XMirror, YMirror, Vertical, OwnerGroup) VALUES ('用地代码', 'GH-用地代码', 'txt.shx|hztxt.shx', 3, 0.8, 0, 0, 0, 0, 0, 0, 17);
INSERT INTO 文本样式 (Item, TextstyleName, FontFile, Height, XScale, ObliquingAngle, Bold, Italic, XMirror, YMirror, Vertical, OwnerGroup) VALUES ('控制指标', 'GH-指标', 'simplex.shx|gbcbig.shx', 2.5, 0.8, 0, 0, 0, 0, 0, 0, 145);
INSERT INTO 文本样式 (Item, TextstyleName, FontFile, Height, XScale, ObliquingAngle, Bold, Italic, XMirror, YMirror, Vertical, OwnerGroup) VALUES ('道路名称', 'GH-道路名称', '仿宋', 4, 0.8, 0, 0, 0, 0, 0, 0, 18);
INSERT INTO 文本样式 (Item, TextstyleName, FontFile, Height, XScale, ObliquingAngle, Bold, Italic, XMirror, YMirror, Vertical, OwnerGroup) VALUES ('水系名称', 'GH-水系名称', '仿宋', 4, 0.8, 0.2618, 0, 0, 0, 0, 0, 24);
INSERT INTO 文本样式 (Item, TextstyleName, FontFile, Height, XScale, ObliquingAngle, Bold, Italic, XMirror, YMirror, Vertical, OwnerGroup) VALUES ('标注', 'GH-标注', 'gbenor.shx|gbcbig.shx', 2.5, 0.7, 0, 0, 0, 0, 0, 0, 16);
INSERT INTO 文本样式 (Item, TextstyleName, FontFile, Height, XScale, ObliquingAngle, Bold, Italic, XMirror, YMirror, Vertical, OwnerGroup) VALUES ('坐标', 'GH-坐标', 'romans.shx', 2.5, 0.8, 0, 0, 0, 0, 0, 0, 528);
INSERT INTO 文本样式 (Item, TextstyleName, FontFile, Height, XScale, ObliquingAngle, Bold, Italic, XMirror, YMirror, Vertical, OwnerGroup) VALUES ('建筑注记', 'GH-建筑', 'txt.shx|hztxt.shx', 3, 0.8, 0, 0, 0, 0, 0, 0, 80);
INSERT INTO 文本样式 (Item, TextstyleName, FontFile, Height, XScale, ObliquingAngle, Bold, Italic, XMirror, YMirror, Vertical, OwnerGroup) VALUES ('一般注记', 'GH-注记', '宋体', 3, 1, 0, 0, 0, 0, 0, 0, 16);
INSERT INTO 文本样式 (Item, TextstyleName, FontFile, Height, XScale, ObliquingAngle, Bold, Italic, XMirror, YMirror, Vertical, OwnerGroup) VALUES ('图例文字', 'GH-图例', '宋体', 3, 0.8, 0, 0, 0, 0, 0, 0, 32);
INSERT INTO 文本样式 (Item, TextstyleName, FontFile, Height, XScale, ObliquingAngle, Bold, Italic, XMirror, YMirror, Vertical, OwnerGroup) VALUES ('图签', 'GH-图签', '仿宋', 3.5, 0.7, 0, 0, 0, 0, 0, 0, 32);
INSERT INTO 文本样式 (Item, TextstyleName, FontFile, Height, XScale, ObliquingAngle, Bold, Italic, XMirror, YMirror, Vertical, OwnerGroup) VALUES ('设计说明', 'GH-说明', '宋体', 3.5, 0.8, 0, 0, 0, 0, 0, 0, 48);

-- ----------------------------------------------------------------------------
-- 线: Color 256 and Weight -1 follow the layer, PolyWidth is the
-- polyline width in paper millimetres.
-- ----------------------------------------------------------------------------

INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('道路中心线', 256, -1, 0, 1, 0, 'BYLAYER', '$道路中心线', 2);
INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('道路边线', 256, -1, 0, 1, 0, 'BYLAYER', '$道路边线', 2);
INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('道路红线', 256, -1, 0, 1, 0, 'BYLAYER', '$道路红线', 130);
INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('人行道边线', 256, -1, 0, 1, 0, 'BYLAYER', '$人行道边线', 2);
INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('地块边界', 256, -1, 0, 1, 0, 'BYLAYER', '$地块边界', 1);
INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('用地红线', 256, -1, 0.5, 1, 0, 'BYLAYER', '$用地红线', 129);
INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('建筑退线', 256, -1, 0, 1, 0, 'BYLAYER', '$建筑退线', 192);
INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('河道蓝线', 256, -1, 0, 1, 0, 'BYLAYER', '$河道蓝线', 136);
INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('绿线', 256, -1, 0, 1, 0, 'BYLAYER', '$绿线', 136);
INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('紫线', 256, -1, 0, 1, 0, 'BYLAYER', '$紫线', 128);
INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('黄线', 256, -1, 0, 1, 0, 'BYLAYER', '$黄线', 132);
INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('水系岸线', 256, -1, 0, 1, 0, 'BYLAYER', '$水系岸线', 8);
INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('等高线', 256, -1, 0, 1, 0, 'BYLAYER', '$等高线', 256);
INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('计曲线', 256, -1, 0, 1, 0, 'BYLAYER', '$计曲线', 256);
INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('规划范围线', 256, -1, 1, 1, 0, 'BYLAYER', '$规划范围线', 160);
INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('图框外框', 256, -1, 1, 1, 0, 'CONTINUOUS', '$图框', 32);
INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('图框内框', 256, -1, 0.3, 1, 0, 'CONTINUOUS', '$图框', 32);
INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('引出线', 256, -1, 0, 1, 0, 'CONTINUOUS', '$一般注记', 16);
INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('消防车道', 256, -1, 0, 1, 0, 'BYLAYER', '$消防车道', 1024);
INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('停车位', 256, -1, 0, 1, 0, 'CONTINUOUS', '$停车位', 1024);
INSERT INTO 线 (Item, Color, Weight, PolyWidth, LineScale, Thickness, Linetype, OwnerLayer, OwnerGroup) VALUES ('辅助线', 8, 0, 0, 1, 0, 'DASHED', '$辅助线', 2048);

-- ----------------------------------------------------------------------------
-- 文本: Height in paper millimetres; Textstyle "$item" names a row of
-- 文本样式, any other value is a plain text-style name.
-- ----------------------------------------------------------------------------

INSERT INTO 文本 (Item, Color, Weight, Height, LineScale, Thickness, Linetype, Textstyle, OwnerLayer, OwnerGroup) VALUES ('标题', 256, -1, 8, 1, 0, 'BYLAYER', '$标题', '$标题', 48);
INSERT INTO 文本 (Item, Color, Weight, Height, LineScale, Thickness, Linetype, Textstyle, OwnerLayer, OwnerGroup) VALUES ('图名', 256, -1, 6, 1, 0, 'BYLAYER', '$图名', '$图名', 48);
INSERT INTO 文本 (Item, Color, Weight, Height, LineScale, Thickness, Linetype, Textstyle, OwnerLayer, OwnerGroup) VALUES ('地块编号', 256, -1, 3.5, 1, 0, 'BYLAYER', '$地块编号', '$地块编号', 17);
INSERT INTO 文本 (Item, Color, Weight, Height, LineScale, Thickness, Linetype, Textstyle, OwnerLayer, OwnerGroup) VALUES ('用地代码', 256, -1, 3, 1, 0, 'BYLAYER', '$用地代码', '$用地代码', 17);
INSERT INTO 文本 (Item, Color, Weight, Height, LineScale, Thickness, Linetype, Textstyle, OwnerLayer, OwnerGroup) VALUES ('用地面积', 256, -1, 2.5, 1, 0, 'BYLAYER', '$控制指标', '$用地面积', 17);
INSERT INTO 文本 (Item, Color, Weight, Height, LineScale, Thickness, Linetype, Textstyle, OwnerLayer, OwnerGroup) VALUES ('控制指标', 256, -1, 2.5, 1, 0, 'BYLAYER', '$控制指标', '$控制指标', 145);
INSERT INTO 文本 (Item, Color, Weight, Height, LineScale, Thickness, Linetype, Textstyle, OwnerLayer, OwnerGroup) VALUES ('道路名称', 256, -1, 4, 1, 0, 'BYLAYER', '$道路名称', '$道路名称', 18);
INSERT INTO 文本 (Item, Color, Weight, Height, LineScale, Thickness, Linetype, Textstyle, OwnerLayer, OwnerGroup) VALUES ('道路宽度', 256, -1, 2.5, 1, 0, 'BYLAYER', '$标注', '$道路宽度', 18);
INSERT INTO 文本 (Item, Color, Weight, Height, LineScale, Thickness, Linetype, Textstyle, OwnerLayer, OwnerGroup) VALUES ('水系名称', 256, -1, 4, 1, 0, 'BYLAYER', '$水系名称', '$水系名称', 24);
INSERT INTO 文本 (Item, Color, Weight, Height, LineScale, Thickness, Linetype, Textstyle, OwnerLayer, OwnerGroup) VALUES ('建筑层数', 256, -1, 3, 1, 0, 'BYLAYER', '$建筑注记', '$建筑层数', 80);
INSERT INTO 文本 (Item, Color, Weight, Height, LineScale, Thickness, Linetype, Textstyle, OwnerLayer, OwnerGroup) VALUES ('建筑名称', 256, -1, 3, 1, 0, 'BYLAYER', '$建筑注记', '$建筑名称', 80);
INSERT INTO 文本 (Item, Color, Weight, Height, LineScale, Thickness, Linetype, Textstyle, OwnerLayer, OwnerGroup) VALUES ('管线标注', 256, -1, 2.5, 1, 0, 'BYLAYER', '$标注', '$管线标注', 20);
INSERT INTO 文本 (Item, Color, Weight, Height, LineScale, Thickness, Linetype, Textstyle, OwnerLayer, OwnerGroup) VALUES ('坐标标注', 256, -1, 2.5, 1, 0, 'BYLAYER', '$坐标', '$坐标标注', 528);
INSERT INTO 文本 (Item, Color, Weight, Height, LineScale, Thickness, Linetype, Textstyle, OwnerLayer, OwnerGroup) VALUES ('场地标高', 256, -1, 2.5, 1, 0, 'BYLAYER', '$坐标', '$场地标高', 512);
INSERT INTO 文本 (Item, Color, Weight, Height, LineScale, Thickness, Linetype, Textstyle, OwnerLayer, OwnerGroup) VALUES ('一般注记', 256, -1, 3, 1, 0, 'BYLAYER', '$一般注记', '$一般注记', 16);
INSERT INTO 文本 (Item, Color, Weight, Height, LineScale, Thickness, Linetype, Textstyle, OwnerLayer, OwnerGroup) VALUES ('图例文字', 256, -1, 3, 1, 0, 'BYLAYER', '$图例文字', '$图例', 32);
INSERT INTO 文本 (Item, Color, Weight, Height, LineScale, Thickness, Linetype, Textstyle, OwnerLayer, OwnerGroup) VALUES ('图签文字', 256, -1, 3.5, 1, 0, 'BYLAYER', '$图签', '$图签', 32);
INSERT INTO 文本 (Item, Color, Weight, Height, LineScale, Thickness, Linetype, Textstyle, OwnerLayer, OwnerGroup) VALUES ('设计说明', 256, -1, 3.5, 1, 0, 'BYLAYER', '$设计说明', '$设计说明', 48);
INSERT INTO 文本 (Item, Color, Weight, Height, LineScale, Thickness, Linetype, Textstyle, OwnerLayer, OwnerGroup) VALUES ('指北针字母', 7, -1, 5, 1, 0, 'BYLAYER', 'Standard', '$指北针', 32);

-- ----------------------------------------------------------------------------
-- 填充: PatType 1 predefined pattern, 0 user-defined lines (PatName
-- "_USER", Space the line spacing, IsDouble 1 for crossed lines).
-- Angle in radians.  Land-use fills are SOLID in the colour of their layer.
-- ----------------------------------------------------------------------------

-- Land-use fills
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('一类居住用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$一类居住用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('二类居住用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$二类居住用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('三类居住用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$三类居住用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('行政办公用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$行政办公用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('文化设施用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$文化设施用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('教育科研用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$教育科研用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('体育用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$体育用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('医疗卫生用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$医疗卫生用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('社会福利用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$社会福利用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('文物古迹用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$文物古迹用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('外事用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$外事用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('宗教用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$宗教用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('商业用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$商业用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('商务用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$商务用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('娱乐康体用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$娱乐康体用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('公用设施营业网点用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$公用设施营业网点用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('其他服务设施用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$其他服务设施用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('商住混合用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$商住混合用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('一类工业用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$一类工业用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('二类工业用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$二类工业用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('三类工业用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$三类工业用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('一类物流仓储用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$一类物流仓储用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('二类物流仓储用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$二类物流仓储用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('三类物流仓储用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$三类物流仓储用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('城市道路用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$城市道路用地', 3);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('城市轨道交通用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$城市轨道交通用地', 3);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('交通枢纽用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$交通枢纽用地', 3);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('交通场站用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$交通场站用地', 3);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('其他交通设施用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$其他交通设施用地', 3);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('供应设施用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$供应设施用地', 5);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('环境设施用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$环境设施用地', 5);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('安全设施用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$安全设施用地', 5);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('其他公用设施用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$其他公用设施用地', 5);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('公园绿地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$公园绿地', 9);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('防护绿地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$防护绿地', 9);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('广场用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$广场用地', 9);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('村庄建设用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$村庄建设用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('区域交通设施用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$区域交通设施用地', 3);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('区域公用设施用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$区域公用设施用地', 5);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('特殊用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$特殊用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('采矿用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$采矿用地', 1);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('水域', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$水域', 9);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('农林用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$农林用地', 9);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('其他非建设用地', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$其他非建设用地', 1);

-- Buildings, water, planting and paving
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('建筑填充', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$建筑填充', 64);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('现状建筑', 256, -1, 1, 0, 'BYLAYER', 1, 'ANSI31', 0, 1, 1, 0, '$现状建筑', 320);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('水面', 256, -1, 1, 0, 'BYLAYER', 1, 'SOLID', 0, 1, 1, 0, '$水面', 8);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('湿地', 256, -1, 1, 0, 'BYLAYER', 1, 'SWAMP', 0, 2, 1, 0, '$水面', 8);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('林地', 3, -1, 1, 0, 'BYLAYER', 1, 'GRASS', 0, 1, 1, 0, '$农林用地', 9);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('草坪', 256, -1, 1, 0, 'BYLAYER', 1, 'GRASS', 0, 0.5, 1, 0, '$草坪', 1024);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('广场铺装', 256, -1, 1, 0, 'BYLAYER', 1, 'NET', 0.785398, 1, 1, 0, '$场地铺装', 1024);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('人行道铺装', 256, -1, 1, 0, 'BYLAYER', 0, '_USER', 0, 1, 1.5, 1, '$场地铺装', 1024);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('停车位', 256, -1, 1, 0, 'BYLAYER', 0, '_USER', 0.785398, 1, 1, 0, '$停车位', 1024);
INSERT INTO 填充 (Item, Color, Weight, LineScale, Thickness, Linetype, PatType, PatName, Angle, Scale, Space, IsDouble, OwnerLayer, OwnerGroup) VALUES ('拆除建筑', 8, -1, 1, 0, 'BYLAYER', 1, 'ANSI37', 0, 1, 1, 0, '$现状建筑', 320);

-- ----------------------------------------------------------------------------
-- 其他: Type 5001 a number, 5005 a text
-- ----------------------------------------------------------------------------

INSERT INTO 其他 (Item, ValueText, Type, remark, OwnerGroup) VALUES ('比例', '1000', 5001, '出图比例分母，1:1000 记为 1000', 1023);
INSERT INTO 其他 (Item, ValueText, Type, remark, OwnerGroup) VALUES ('单位', '米', 5005, '绘图单位：米或毫米', 1023);
INSERT INTO 其他 (Item, ValueText, Type, remark, OwnerGroup) VALUES ('字高', '3', 5001, '默认文字高度（出图毫米）', 16);
INSERT INTO 其他 (Item, ValueText, Type, remark, OwnerGroup) VALUES ('字宽比', '0.8', 5001, '默认文字宽度比例', 16);
INSERT INTO 其他 (Item, ValueText, Type, remark, OwnerGroup) VALUES ('线型比例', '1', 5001, '全局线型比例', 1023);
INSERT INTO 其他 (Item, ValueText, Type, remark, OwnerGroup) VALUES ('面积单位', '公顷', 5005, '用地面积统计单位', 1);
INSERT INTO 其他 (Item, ValueText, Type, remark, OwnerGroup) VALUES ('面积小数位数', '2', 5001, '面积统计保留的小数位数', 1);
INSERT INTO 其他 (Item, ValueText, Type, remark, OwnerGroup) VALUES ('指标小数位数', '2', 5001, '容积率、建筑密度等指标保留的小数位数', 129);
INSERT INTO 其他 (Item, ValueText, Type, remark, OwnerGroup) VALUES ('坐标小数位数', '3', 5001, '坐标标注保留的小数位数', 528);
INSERT INTO 其他 (Item, ValueText, Type, remark, OwnerGroup) VALUES ('标高小数位数', '2', 5001, '标高注记保留的小数位数', 512);
INSERT INTO 其他 (Item, ValueText, Type, remark, OwnerGroup) VALUES ('默认道路宽度', '24', 5001, '新建道路的红线宽度（米）', 2);
INSERT INTO 其他 (Item, ValueText, Type, remark, OwnerGroup) VALUES ('默认转弯半径', '15', 5001, '道路交叉口红线转弯半径（米）', 2);
INSERT INTO 其他 (Item, ValueText, Type, remark, OwnerGroup) VALUES ('停车位宽度', '2.5', 5001, '地面停车位宽度（米）', 1024);
INSERT INTO 其他 (Item, ValueText, Type, remark, OwnerGroup) VALUES ('停车位长度', '5.3', 5001, '地面停车位长度（米）', 1024);
INSERT INTO 其他 (Item, ValueText, Type, remark, OwnerGroup) VALUES ('坐标系', '2000国家大地坐标系', 5005, '平面坐标系统', 1023);
INSERT INTO 其他 (Item, ValueText, Type, remark, OwnerGroup) VALUES ('高程基准', '1985国家高程基准', 5005, '高程系统', 1023);
INSERT INTO 其他 (Item, ValueText, Type, remark, OwnerGroup) VALUES ('图幅', 'A1', 5005, '默认出图图幅', 32);

-- Look-ups go by item name or item code: index both.
CREATE INDEX ix_0_item ON 图层 (Item);
CREATE INDEX ix_0_code ON 图层 (ItemCode);
