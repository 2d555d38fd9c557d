-- VeskCAD layer database (separate-database mode): the four layer tables of the
-- 2013 generation, one per kind of plan.  The kind of plan (the design type)
-- selects the table; 公共图层 holds the items every kind of plan shares and is
-- consulted first by the classic look-ups.  The shared items are repeated in the
-- three other tables so that every table answers for them by name and by code.
--
-- The build runs this file into a new database; every statement ends with ';'
-- at the end of a line.
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
-- Layer rows.  LayerType 'S' marks the rows shipped with the system; 'U'/'UR' rows
-- belong to the user and name in ItemCode the system codes they replace (a list
-- separated by ';').  ItemCode is unique among the system rows of a table and is
-- never equal to an Item, so an item can be looked up by name or by code.
-- Color is text: a colour index as decimal text ('7'), or a true colour '(r,g,b)'.
-- Weight is the lineweight in hundredths of a millimetre; -3 is the default
-- lineweight.  TextHeight is in paper millimetres at the drawing scale (其他.比例).
-- ItemApp, ActionCmd and Expand1-Expand6 are left empty (null).

-- ----------------------------------------------------------------------------
-- 控规图层: 控制性详细规划（design types 0, 4, 6, 8, 9, 10, 15）
-- ----------------------------------------------------------------------------

CREATE TABLE 控规图层 (
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

-- 用地分类：居住、公共管理与公共服务、商业服务业、工业、物流仓储、
-- 道路与交通设施、公用设施、绿地与广场、其他建设用地与非建设用地
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'R1', '一类居住用地', 'YD-R1一类居住', '(255,255,127)', -3, 'CONTINUOUS', 1, 0, 1, '010', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '设施齐全、环境良好，以低层住宅为主的用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'R2', '二类居住用地', 'YD-R2二类居住', '(255,255,0)', -3, 'CONTINUOUS', 1, 0, 1, '010', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '设施较齐全、环境良好，以多、中、高层住宅为主的用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'R3', '三类居住用地', 'YD-R3三类居住', '(255,191,0)', -3, 'CONTINUOUS', 1, 0, 1, '010', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '设施较欠缺、环境较差，以需要改造的简陋住宅为主的用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A1', '行政办公用地', 'YD-A1行政办公', '(255,0,255)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '党政机关、社会团体、事业单位等办公机构及其相关设施用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A2', '文化设施用地', 'YD-A2文化设施', '(255,127,255)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '图书展览、文化活动等公益性文化设施用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A3', '教育科研用地', 'YD-A3教育科研', '(255,159,207)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '高等院校、中等专业学校、中小学、科研事业单位等用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A4', '体育用地', 'YD-A4体育', '(255,63,159)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '体育场馆和体育训练基地等用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A5', '医疗卫生用地', 'YD-A5医疗卫生', '(255,111,175)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '医疗、保健、卫生、防疫、康复和急救设施等用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A6', '社会福利用地', 'YD-A6社会福利', '(255,191,223)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '为社会提供福利和慈善服务的设施用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A7', '文物古迹用地', 'YD-A7文物古迹', '(191,63,127)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '具有保护价值的古遗址、古建筑、古墓葬等用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A8', '外事用地', 'YD-A8外事', '(223,95,191)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '外国驻华使馆、领事馆、国际机构及其生活设施等用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A9', '宗教用地', 'YD-A9宗教', '(159,63,127)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '宗教活动场所用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'B1', '商业用地', 'YD-B1商业', '(255,0,0)', -3, 'CONTINUOUS', 1, 0, 1, '012', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '零售、批发、餐饮、旅馆等商业设施用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'B2', '商务用地', 'YD-B2商务', '(255,63,63)', -3, 'CONTINUOUS', 1, 0, 1, '012', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '金融保险、艺术传媒、技术服务等综合性办公用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'B3', '娱乐康体用地', 'YD-B3娱乐康体', '(255,95,63)', -3, 'CONTINUOUS', 1, 0, 1, '012', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '娱乐、康体等设施用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'B4', '公用设施营业网点用地', 'YD-B4营业网点', '(255,127,95)', -3, 'CONTINUOUS', 1, 0, 1, '012', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '零售加油、加气、电信、邮政等公用设施营业网点用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'B9', '其他服务设施用地', 'YD-B9其他服务', '(191,0,0)', -3, 'CONTINUOUS', 1, 0, 1, '012', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '业余学校、民营培训机构、私人诊所、宠物医院等其他服务设施用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'RB', '商住混合用地', 'YD-RB商住混合', '(255,159,0)', -3, 'CONTINUOUS', 1, 0, 1, '012', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '商业与居住混合布置的用地，按主导功能计容');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'M1', '一类工业用地', 'YD-M1一类工业', '(191,127,63)', -3, 'CONTINUOUS', 1, 0, 1, '013', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '对居住和公共环境基本无干扰、污染和安全隐患的工业用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'M2', '二类工业用地', 'YD-M2二类工业', '(159,95,31)', -3, 'CONTINUOUS', 1, 0, 1, '013', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '对居住和公共环境有一定干扰、污染和安全隐患的工业用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'M3', '三类工业用地', 'YD-M3三类工业', '(127,63,0)', -3, 'CONTINUOUS', 1, 0, 1, '013', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '对居住和公共环境有严重干扰、污染和安全隐患的工业用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'W1', '一类物流仓储用地', 'YD-W1一类物流仓储', '(191,127,255)', -3, 'CONTINUOUS', 1, 0, 1, '014', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '对居住和公共环境基本无干扰、污染和安全隐患的物流仓储用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'W2', '二类物流仓储用地', 'YD-W2二类物流仓储', '(159,95,223)', -3, 'CONTINUOUS', 1, 0, 1, '014', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '对居住和公共环境有一定干扰、污染和安全隐患的物流仓储用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'W3', '三类物流仓储用地', 'YD-W3三类物流仓储', '(127,63,191)', -3, 'CONTINUOUS', 1, 0, 1, '014', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '易燃、易爆和剧毒等危险品的专用物流仓储用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1', '城市道路用地', 'YD-S1城市道路', '(217,217,217)', -3, 'CONTINUOUS', 1, 0, 3, '015', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '快速路、主干路、次干路和支路等用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S2', '城市轨道交通用地', 'YD-S2轨道交通', '(166,166,166)', -3, 'CONTINUOUS', 1, 0, 3, '015', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '独立地段的城市轨道交通地面以上部分的线路、站点用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S3', '交通枢纽用地', 'YD-S3交通枢纽', '(140,140,140)', -3, 'CONTINUOUS', 1, 0, 3, '015', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '铁路客货运站、公路长途客运站、港口客运码头、公交枢纽等用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S4', '交通场站用地', 'YD-S4交通场站', '(178,178,178)', -3, 'CONTINUOUS', 1, 0, 3, '015', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '公共交通场站、社会停车场等交通设施用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S9', '其他交通设施用地', 'YD-S9其他交通', '(204,204,204)', -3, 'CONTINUOUS', 1, 0, 3, '015', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '除以上之外的交通设施用地，如教练场等');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'U1', '供应设施用地', 'YD-U1供应设施', '(95,127,159)', -3, 'CONTINUOUS', 1, 0, 5, '016', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '供水、供电、供燃气、供热、通信、广播电视等设施用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'U2', '环境设施用地', 'YD-U2环境设施', '(79,111,127)', -3, 'CONTINUOUS', 1, 0, 5, '016', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '雨水、污水、固体废物处理等环境保护设施用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'U3', '安全设施用地', 'YD-U3安全设施', '(63,95,127)', -3, 'CONTINUOUS', 1, 0, 5, '016', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '消防、防洪等保卫城市安全的公用设施用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'U9', '其他公用设施用地', 'YD-U9其他公用设施', '(127,159,191)', -3, 'CONTINUOUS', 1, 0, 5, '016', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '除以上之外的公用设施用地，如施工、养护、维修设施等');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'G1', '公园绿地', 'YD-G1公园绿地', '(0,191,0)', -3, 'CONTINUOUS', 1, 0, 9, '017', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '向公众开放，以游憩为主要功能，兼具生态、美化、防灾等作用的绿地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'G2', '防护绿地', 'YD-G2防护绿地', '(63,127,0)', -3, 'CONTINUOUS', 1, 0, 9, '017', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '具有卫生、隔离和安全防护功能的绿地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'G3', '广场用地', 'YD-G3广场', '(210,230,210)', -3, 'CONTINUOUS', 1, 0, 9, '017', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '以游憩、纪念、集会和避险等功能为主的城市公共活动场地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'H14', '村庄建设用地', 'YD-H14村庄建设', '(255,223,159)', -3, 'CONTINUOUS', 1, 0, 1, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '农村居民点的建设用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'H2', '区域交通设施用地', 'YD-H2区域交通', '(153,153,153)', -3, 'CONTINUOUS', 1, 0, 3, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '铁路、公路、港口、机场和管道运输等区域交通运输及其附属设施用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'H3', '区域公用设施用地', 'YD-H3区域公用设施', '(111,143,175)', -3, 'CONTINUOUS', 1, 0, 5, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '为区域服务的公用设施用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'H4', '特殊用地', 'YD-H4特殊', '(127,127,63)', -3, 'CONTINUOUS', 1, 0, 1, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '军事、安保等特殊性质的用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'H5', '采矿用地', 'YD-H5采矿', '(140,110,80)', -3, 'CONTINUOUS', 1, 0, 1, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '采矿、采石、采沙、盐田、砖瓦窑等地面生产用地及尾矿堆放地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'E1', '水域', 'YD-E1水域', '(127,191,255)', -3, 'CONTINUOUS', 1, 0, 9, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '河流、湖泊、水库、坑塘、沟渠、滩涂、冰川及永久积雪');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'E2', '农林用地', 'YD-E2农林', '(191,223,127)', -3, 'CONTINUOUS', 1, 0, 9, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '耕地、园地、林地、牧草地、设施农用地、田坎、农村道路等用地');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'E9', '其他非建设用地', 'YD-E9其他非建设', '(223,223,191)', -3, 'CONTINUOUS', 1, 0, 1, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '空闲地、盐碱地、沼泽地、沙地、裸地等用地');

-- 地块边界与用地红线
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'YD-BD', '地块边界', 'YD-地块边界', '7', 25, 'CONTINUOUS', 1, 0, 1, '019', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '控规地块、详规地块的闭合边界线');

-- 道路与交通
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-CL', '道路中心线', 'DL-道路中心线', '1', 18, 'CENTER', 0.5, 0, 2, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '道路设计中心线，道路生成与编辑的依据');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-EG', '道路边线', 'DL-道路边线', '7', 30, 'CONTINUOUS', 1, 0, 2, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '车行道边线（侧石线）');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-RL', '道路红线', 'DL-道路红线', '1', 50, 'CONTINUOUS', 1, 0, 130, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划道路用地的边界控制线');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-BR', '桥梁', 'DL-桥梁', '7', 35, 'CONTINUOUS', 1, 0, 2, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '跨河、跨线桥梁轮廓');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-TN', '隧道', 'DL-隧道', '7', 25, 'DASHED', 0.5, 0, 2, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '隧道及地下通道投影轮廓');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S2-LN', '轨道交通线', 'DL-轨道交通线', '(255,127,0)', 50, 'DASHDOT', 0.5, 0, 2, '021', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '城市轨道交通线路走向');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S2-ST', '轨道交通站点', 'DL-轨道交通站点', '(255,127,0)', 35, 'CONTINUOUS', 1, 0, 2, '021', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '轨道交通车站图例');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S4-BS', '公交场站', 'DL-公交场站', '5', 25, 'CONTINUOUS', 1, 0, 2, '021', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '公交首末站、枢纽站图例');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S4-PK', '社会停车场', 'DL-社会停车场', '5', 25, 'CONTINUOUS', 1, 0, 2, '021', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '独立占地的公共停车场图例');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'H2-RW', '铁路', 'DL-铁路', '7', 50, 'CONTINUOUS', 1, 0, 2, '021', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '国家及地方铁路线');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'H2-HW', '公路', 'DL-公路', '8', 35, 'CONTINUOUS', 1, 0, 2, '021', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划区内的高速公路及国省道');

-- 规划控制线（红线见道路，蓝线、绿线、紫线、黄线、建筑退线）
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'KZ-BL', '河道蓝线', 'KZ-河道蓝线', '5', 50, 'DASHDOT', 0.5, 0, 136, '030', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '城市地表水体保护和控制的地域界线');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'KZ-GL', '绿线', 'KZ-绿线', '3', 50, 'DASHDOT', 0.5, 0, 136, '030', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '城市各类绿地范围的控制线');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'KZ-PL', '紫线', 'KZ-紫线', '6', 50, 'DASHDOT', 0.5, 0, 128, '030', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '历史文化街区和历史建筑的保护范围界线');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'KZ-YL', '黄线', 'KZ-黄线', '2', 50, 'DASHDOT', 0.5, 0, 132, '030', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '城市基础设施用地的控制界线');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'KZ-SB', '建筑退线', 'KZ-建筑退线', '(255,0,255)', 25, 'DASHED', 0.5, 0, 192, '030', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '建筑物后退道路红线、用地红线的控制线');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'KZ-NO', '禁止开口路段', 'KZ-禁止开口路段', '1', 70, 'CONTINUOUS', 1, 0, 130, '030', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '禁止设置机动车出入口的路段');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'KZ-EN', '机动车出入口', 'KZ-机动车出入口', '1', 25, 'CONTINUOUS', 1, 0, 130, '030', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '地块机动车出入口方位图例');

-- 建筑
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'JZ-EX', '现状建筑', 'JZ-现状建筑', '8', 25, 'CONTINUOUS', 1, 0, 320, '040', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '保留的现状建筑轮廓');

-- 市政管线与设施
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-WS', '给水管线', 'SZ-给水管线', '5', 35, 'CONTINUOUS', 1, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划给水干管、配水管');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-RW', '雨水管线', 'SZ-雨水管线', '(0,191,191)', 35, 'DASHED', 0.5, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划雨水管渠');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-SW', '污水管线', 'SZ-污水管线', '(153,102,51)', 35, 'HIDDEN', 0.5, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划污水管道');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-EP', '电力线路', 'SZ-电力线路', '1', 35, 'DIVIDE', 0.5, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '中低压电力电缆及架空线');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-TC', '通信线路', 'SZ-通信线路', '3', 25, 'DOT', 0.5, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '通信管道及光缆');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-GS', '燃气管线', 'SZ-燃气管线', '2', 35, 'PHANTOM', 0.5, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '中压、低压燃气管道');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-HT', '供热管线', 'SZ-供热管线', '(255,127,0)', 35, 'BORDER', 0.5, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '集中供热管网');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-HV', '高压走廊', 'SZ-高压走廊', '1', 25, 'DASHED', 1, 0, 132, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '高压架空线路的防护走廊边界');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-FC', '市政设施', 'SZ-市政设施', '4', 25, 'CONTINUOUS', 1, 0, 4, '050', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '变电站、水厂、污水处理厂、垃圾转运站等设施图例');

-- 绿地与水系
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SX-SL', '水系岸线', 'SX-水系岸线', '5', 35, 'CONTINUOUS', 1, 0, 8, '060', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '河道、湖泊的规划岸线');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SX-CL', '河道中心线', 'SX-河道中心线', '5', 18, 'CENTER', 0.5, 0, 8, '060', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '河道规划中心线');

-- 地形与现状
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-CT', '等高线', 'DX-等高线', '(166,124,82)', 13, 'CONTINUOUS', 1, 0, 256, '070', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '地形首曲线');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-IC', '计曲线', 'DX-计曲线', '(166,124,82)', 25, 'CONTINUOUS', 1, 0, 256, '070', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '地形计曲线（每五条首曲线加粗一条）');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-SP', '高程点', 'DX-高程点', '(166,124,82)', 13, 'CONTINUOUS', 1, 0, 256, '070', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '地形图高程点');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-RD', '现状道路', 'DX-现状道路', '8', 18, 'CONTINUOUS', 1, 0, 258, '070', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '现状道路边线');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-WT', '现状水系', 'DX-现状水系', '(127,159,191)', 18, 'CONTINUOUS', 1, 0, 264, '070', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '现状河道、坑塘岸线');

-- 注记
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-PN', '地块编号', 'ZJ-地块编号', '7', 13, 'CONTINUOUS', 1, 0, 17, '080', 1, 'TEXT', 'GH-地块编号', 0.8, 3.5, 0, 0, 0, 0, '地块编号注记');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-LC', '用地代码', 'ZJ-用地代码', '7', 13, 'CONTINUOUS', 1, 0, 17, '080', 1, 'TEXT', 'GH-用地代码', 0.8, 3, 0, 0, 0, 0, '用地性质代码注记');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-AR', '用地面积', 'ZJ-用地面积', '7', 13, 'CONTINUOUS', 1, 0, 17, '080', 1, 'TEXT', 'GH-指标', 0.8, 2.5, 0, 0, 0, 0, '地块面积注记（公顷）');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-CI', '控制指标', 'ZJ-控制指标', '7', 13, 'CONTINUOUS', 1, 0, 145, '080', 1, 'TEXT', 'GH-指标', 0.8, 2.5, 0, 0, 0, 0, '容积率、建筑密度、绿地率、限高等地块控制指标');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-RN', '道路名称', 'ZJ-道路名称', '7', 13, 'CONTINUOUS', 1, 0, 18, '080', 1, 'TEXT', 'GH-道路名称', 0.8, 4, 0, 0, 0, 0, '道路名称注记');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-RW', '道路宽度', 'ZJ-道路宽度', '7', 13, 'CONTINUOUS', 1, 0, 18, '080', 1, 'TEXT', 'GH-标注', 0.7, 2.5, 0, 0, 0, 0, '道路红线宽度及断面形式注记');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-WN', '水系名称', 'ZJ-水系名称', '5', 13, 'CONTINUOUS', 1, 0, 24, '080', 1, 'TEXT', 'GH-水系名称', 0.8, 4, 0, 0, 0, 0, '河流、湖泊名称注记');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-PT', '管线标注', 'ZJ-管线标注', '4', 13, 'CONTINUOUS', 1, 0, 20, '080', 1, 'TEXT', 'GH-标注', 0.7, 2.5, 0, 0, 0, 0, '管径、管材及管线名称标注');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-DM', '尺寸标注', 'ZJ-尺寸标注', '7', 13, 'CONTINUOUS', 1, 0, 16, '080', 1, 'DIMENSION', 'GH-标注', 0.7, 2.5, 0, 0, 0, 0, '尺寸与距离标注');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-TX', '一般注记', 'ZJ-一般注记', '7', 13, 'CONTINUOUS', 1, 0, 16, '080', 1, 'TEXT', 'GH-注记', 1, 3, 0, 0, 0, 0, '其他文字说明');

-- 图框、图签与出图要素
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-FR', '图框', 'TK-图框', '7', 70, 'CONTINUOUS', 1, 0, 32, '090', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '图纸外框与内框');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-TB', '图签', 'TK-图签', '7', 35, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'GH-图签', 0.7, 3.5, 0, 0, 0, 0, '图签栏、会签栏');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-TT', '标题', 'TK-标题', '7', 35, 'CONTINUOUS', 1, 0, 48, '090', 1, 'TEXT', 'GH-标题', 1, 8, 0, 0, 0, 0, '项目名称大标题');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-TN', '图名', 'TK-图名', '7', 35, 'CONTINUOUS', 1, 0, 48, '090', 1, 'TEXT', 'GH-图名', 1, 6, 0, 0, 0, 0, '图纸名称');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-NA', '指北针', 'TK-指北针', '7', 25, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '指北针图块');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-WR', '风玫瑰', 'TK-风玫瑰', '7', 25, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '风向玫瑰图块');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-SC', '比例尺', 'TK-比例尺', '7', 25, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '图形比例尺');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-LG', '图例', 'TK-图例', '7', 18, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'GH-图例', 0.8, 3, 0, 0, 0, 0, '图例框及图例说明');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-DS', '设计说明', 'TK-设计说明', '7', 18, 'CONTINUOUS', 1, 0, 48, '090', 1, 'MTEXT', 'GH-说明', 0.8, 3.5, 0, 0, 0, 0, '图纸说明文字');
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-PB', '规划范围线', 'TK-规划范围线', '6', 70, 'PHANTOM', 1, 1, 160, '090', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划编制范围的边界');

-- 辅助
INSERT INTO 控规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'FZ-AX', '辅助线', 'FZ-辅助线', '8', 13, 'DASHED', 0.5, 0, 2048, '099', 1, 'LINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '作图辅助线，不参与出图与统计');


-- ----------------------------------------------------------------------------
-- 详规图层: 修建性详细规划（design types 1, 5, 16）
-- ----------------------------------------------------------------------------

CREATE TABLE 详规图层 (
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

-- 用地分类：居住、公共管理与公共服务、商业服务业、工业、物流仓储、
-- 道路与交通设施、公用设施、绿地与广场、其他建设用地与非建设用地
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'R1', '一类居住用地', 'YD-R1一类居住', '(255,255,127)', -3, 'CONTINUOUS', 1, 0, 1, '010', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '设施齐全、环境良好，以低层住宅为主的用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'R2', '二类居住用地', 'YD-R2二类居住', '(255,255,0)', -3, 'CONTINUOUS', 1, 0, 1, '010', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '设施较齐全、环境良好，以多、中、高层住宅为主的用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'R3', '三类居住用地', 'YD-R3三类居住', '(255,191,0)', -3, 'CONTINUOUS', 1, 0, 1, '010', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '设施较欠缺、环境较差，以需要改造的简陋住宅为主的用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A1', '行政办公用地', 'YD-A1行政办公', '(255,0,255)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '党政机关、社会团体、事业单位等办公机构及其相关设施用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A2', '文化设施用地', 'YD-A2文化设施', '(255,127,255)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '图书展览、文化活动等公益性文化设施用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A3', '教育科研用地', 'YD-A3教育科研', '(255,159,207)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '高等院校、中等专业学校、中小学、科研事业单位等用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A4', '体育用地', 'YD-A4体育', '(255,63,159)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '体育场馆和体育训练基地等用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A5', '医疗卫生用地', 'YD-A5医疗卫生', '(255,111,175)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '医疗、保健、卫生、防疫、康复和急救设施等用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A6', '社会福利用地', 'YD-A6社会福利', '(255,191,223)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '为社会提供福利和慈善服务的设施用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A7', '文物古迹用地', 'YD-A7文物古迹', '(191,63,127)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '具有保护价值的古遗址、古建筑、古墓葬等用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A8', '外事用地', 'YD-A8外事', '(223,95,191)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '外国驻华使馆、领事馆、国际机构及其生活设施等用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'A9', '宗教用地', 'YD-A9宗教', '(159,63,127)', -3, 'CONTINUOUS', 1, 0, 1, '011', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '宗教活动场所用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'B1', '商业用地', 'YD-B1商业', '(255,0,0)', -3, 'CONTINUOUS', 1, 0, 1, '012', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '零售、批发、餐饮、旅馆等商业设施用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'B2', '商务用地', 'YD-B2商务', '(255,63,63)', -3, 'CONTINUOUS', 1, 0, 1, '012', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '金融保险、艺术传媒、技术服务等综合性办公用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'B3', '娱乐康体用地', 'YD-B3娱乐康体', '(255,95,63)', -3, 'CONTINUOUS', 1, 0, 1, '012', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '娱乐、康体等设施用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'B4', '公用设施营业网点用地', 'YD-B4营业网点', '(255,127,95)', -3, 'CONTINUOUS', 1, 0, 1, '012', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '零售加油、加气、电信、邮政等公用设施营业网点用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'B9', '其他服务设施用地', 'YD-B9其他服务', '(191,0,0)', -3, 'CONTINUOUS', 1, 0, 1, '012', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '业余学校、民营培训机构、私人诊所、宠物医院等其他服务设施用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'RB', '商住混合用地', 'YD-RB商住混合', '(255,159,0)', -3, 'CONTINUOUS', 1, 0, 1, '012', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '商业与居住混合布置的用地，按主导功能计容');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'M1', '一类工业用地', 'YD-M1一类工业', '(191,127,63)', -3, 'CONTINUOUS', 1, 0, 1, '013', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '对居住和公共环境基本无干扰、污染和安全隐患的工业用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'M2', '二类工业用地', 'YD-M2二类工业', '(159,95,31)', -3, 'CONTINUOUS', 1, 0, 1, '013', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '对居住和公共环境有一定干扰、污染和安全隐患的工业用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'M3', '三类工业用地', 'YD-M3三类工业', '(127,63,0)', -3, 'CONTINUOUS', 1, 0, 1, '013', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '对居住和公共环境有严重干扰、污染和安全隐患的工业用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'W1', '一类物流仓储用地', 'YD-W1一类物流仓储', '(191,127,255)', -3, 'CONTINUOUS', 1, 0, 1, '014', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '对居住和公共环境基本无干扰、污染和安全隐患的物流仓储用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'W2', '二类物流仓储用地', 'YD-W2二类物流仓储', '(159,95,223)', -3, 'CONTINUOUS', 1, 0, 1, '014', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '对居住和公共环境有一定干扰、污染和安全隐患的物流仓储用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'W3', '三类物流仓储用地', 'YD-W3三类物流仓储', '(127,63,191)', -3, 'CONTINUOUS', 1, 0, 1, '014', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '易燃、易爆和剧毒等危险品的专用物流仓储用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1', '城市道路用地', 'YD-S1城市道路', '(217,217,217)', -3, 'CONTINUOUS', 1, 0, 3, '015', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '快速路、主干路、次干路和支路等用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S2', '城市轨道交通用地', 'YD-S2轨道交通', '(166,166,166)', -3, 'CONTINUOUS', 1, 0, 3, '015', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '独立地段的城市轨道交通地面以上部分的线路、站点用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S3', '交通枢纽用地', 'YD-S3交通枢纽', '(140,140,140)', -3, 'CONTINUOUS', 1, 0, 3, '015', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '铁路客货运站、公路长途客运站、港口客运码头、公交枢纽等用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S4', '交通场站用地', 'YD-S4交通场站', '(178,178,178)', -3, 'CONTINUOUS', 1, 0, 3, '015', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '公共交通场站、社会停车场等交通设施用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S9', '其他交通设施用地', 'YD-S9其他交通', '(204,204,204)', -3, 'CONTINUOUS', 1, 0, 3, '015', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '除以上之外的交通设施用地，如教练场等');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'U1', '供应设施用地', 'YD-U1供应设施', '(95,127,159)', -3, 'CONTINUOUS', 1, 0, 5, '016', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '供水、供电、供燃气、供热、通信、广播电视等设施用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'U2', '环境设施用地', 'YD-U2环境设施', '(79,111,127)', -3, 'CONTINUOUS', 1, 0, 5, '016', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '雨水、污水、固体废物处理等环境保护设施用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'U3', '安全设施用地', 'YD-U3安全设施', '(63,95,127)', -3, 'CONTINUOUS', 1, 0, 5, '016', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '消防、防洪等保卫城市安全的公用设施用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'U9', '其他公用设施用地', 'YD-U9其他公用设施', '(127,159,191)', -3, 'CONTINUOUS', 1, 0, 5, '016', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '除以上之外的公用设施用地，如施工、养护、维修设施等');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'G1', '公园绿地', 'YD-G1公园绿地', '(0,191,0)', -3, 'CONTINUOUS', 1, 0, 9, '017', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '向公众开放，以游憩为主要功能，兼具生态、美化、防灾等作用的绿地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'G2', '防护绿地', 'YD-G2防护绿地', '(63,127,0)', -3, 'CONTINUOUS', 1, 0, 9, '017', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '具有卫生、隔离和安全防护功能的绿地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'G3', '广场用地', 'YD-G3广场', '(210,230,210)', -3, 'CONTINUOUS', 1, 0, 9, '017', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '以游憩、纪念、集会和避险等功能为主的城市公共活动场地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'H14', '村庄建设用地', 'YD-H14村庄建设', '(255,223,159)', -3, 'CONTINUOUS', 1, 0, 1, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '农村居民点的建设用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'H2', '区域交通设施用地', 'YD-H2区域交通', '(153,153,153)', -3, 'CONTINUOUS', 1, 0, 3, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '铁路、公路、港口、机场和管道运输等区域交通运输及其附属设施用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'H3', '区域公用设施用地', 'YD-H3区域公用设施', '(111,143,175)', -3, 'CONTINUOUS', 1, 0, 5, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '为区域服务的公用设施用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'H4', '特殊用地', 'YD-H4特殊', '(127,127,63)', -3, 'CONTINUOUS', 1, 0, 1, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '军事、安保等特殊性质的用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'H5', '采矿用地', 'YD-H5采矿', '(140,110,80)', -3, 'CONTINUOUS', 1, 0, 1, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '采矿、采石、采沙、盐田、砖瓦窑等地面生产用地及尾矿堆放地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'E1', '水域', 'YD-E1水域', '(127,191,255)', -3, 'CONTINUOUS', 1, 0, 9, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '河流、湖泊、水库、坑塘、沟渠、滩涂、冰川及永久积雪');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'E2', '农林用地', 'YD-E2农林', '(191,223,127)', -3, 'CONTINUOUS', 1, 0, 9, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '耕地、园地、林地、牧草地、设施农用地、田坎、农村道路等用地');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'E9', '其他非建设用地', 'YD-E9其他非建设', '(223,223,191)', -3, 'CONTINUOUS', 1, 0, 1, '018', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '空闲地、盐碱地、沼泽地、沙地、裸地等用地');

-- 地块边界与用地红线
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'YD-BD', '地块边界', 'YD-地块边界', '7', 25, 'CONTINUOUS', 1, 0, 1, '019', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '控规地块、详规地块的闭合边界线');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'YD-RL', '用地红线', 'YD-用地红线', '1', 50, 'PHANTOM', 0.5, 0.5, 129, '019', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '建设项目用地范围的界线');

-- 道路与交通
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-CL', '道路中心线', 'DL-道路中心线', '1', 18, 'CENTER', 0.5, 0, 2, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '道路设计中心线，道路生成与编辑的依据');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-EG', '道路边线', 'DL-道路边线', '7', 30, 'CONTINUOUS', 1, 0, 2, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '车行道边线（侧石线）');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-RL', '道路红线', 'DL-道路红线', '1', 50, 'CONTINUOUS', 1, 0, 130, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划道路用地的边界控制线');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-SW', '人行道边线', 'DL-人行道边线', '8', 18, 'CONTINUOUS', 1, 0, 2, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '人行道与绿化带、建筑前区的分界线');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-MD', '分隔带', 'DL-分隔带', '3', 18, 'CONTINUOUS', 1, 0, 10, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '中央分隔带及机非分隔带边线');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-BR', '桥梁', 'DL-桥梁', '7', 35, 'CONTINUOUS', 1, 0, 2, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '跨河、跨线桥梁轮廓');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-TN', '隧道', 'DL-隧道', '7', 25, 'DASHED', 0.5, 0, 2, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '隧道及地下通道投影轮廓');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S4-BS', '公交场站', 'DL-公交场站', '5', 25, 'CONTINUOUS', 1, 0, 2, '021', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '公交首末站、枢纽站图例');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S4-PK', '社会停车场', 'DL-社会停车场', '5', 25, 'CONTINUOUS', 1, 0, 2, '021', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '独立占地的公共停车场图例');

-- 规划控制线（红线见道路，蓝线、绿线、紫线、黄线、建筑退线）
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'KZ-BL', '河道蓝线', 'KZ-河道蓝线', '5', 50, 'DASHDOT', 0.5, 0, 136, '030', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '城市地表水体保护和控制的地域界线');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'KZ-GL', '绿线', 'KZ-绿线', '3', 50, 'DASHDOT', 0.5, 0, 136, '030', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '城市各类绿地范围的控制线');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'KZ-PL', '紫线', 'KZ-紫线', '6', 50, 'DASHDOT', 0.5, 0, 128, '030', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '历史文化街区和历史建筑的保护范围界线');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'KZ-YL', '黄线', 'KZ-黄线', '2', 50, 'DASHDOT', 0.5, 0, 132, '030', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '城市基础设施用地的控制界线');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'KZ-SB', '建筑退线', 'KZ-建筑退线', '(255,0,255)', 25, 'DASHED', 0.5, 0, 192, '030', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '建筑物后退道路红线、用地红线的控制线');

-- 建筑
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'JZ-PL', '规划建筑', 'JZ-规划建筑', '7', 50, 'CONTINUOUS', 1, 0, 64, '040', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划新建建筑的外轮廓线');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'JZ-EX', '现状建筑', 'JZ-现状建筑', '8', 25, 'CONTINUOUS', 1, 0, 320, '040', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '保留的现状建筑轮廓');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'JZ-UG', '地下建筑范围线', 'JZ-地下建筑范围线', '4', 25, 'DASHED', 0.5, 0, 64, '040', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '地下室、地下车库的投影范围');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'JZ-HT', '建筑填充', 'JZ-建筑填充', '(255,223,191)', -3, 'CONTINUOUS', 1, 0, 64, '040', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划建筑的底色填充');

-- 市政管线与设施
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-WS', '给水管线', 'SZ-给水管线', '5', 35, 'CONTINUOUS', 1, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划给水干管、配水管');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-RW', '雨水管线', 'SZ-雨水管线', '(0,191,191)', 35, 'DASHED', 0.5, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划雨水管渠');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-SW', '污水管线', 'SZ-污水管线', '(153,102,51)', 35, 'HIDDEN', 0.5, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划污水管道');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-EP', '电力线路', 'SZ-电力线路', '1', 35, 'DIVIDE', 0.5, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '中低压电力电缆及架空线');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-TC', '通信线路', 'SZ-通信线路', '3', 25, 'DOT', 0.5, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '通信管道及光缆');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-GS', '燃气管线', 'SZ-燃气管线', '2', 35, 'PHANTOM', 0.5, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '中压、低压燃气管道');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-HT', '供热管线', 'SZ-供热管线', '(255,127,0)', 35, 'BORDER', 0.5, 0, 4, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '集中供热管网');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-HV', '高压走廊', 'SZ-高压走廊', '1', 25, 'DASHED', 1, 0, 132, '050', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '高压架空线路的防护走廊边界');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SZ-FC', '市政设施', 'SZ-市政设施', '4', 25, 'CONTINUOUS', 1, 0, 4, '050', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '变电站、水厂、污水处理厂、垃圾转运站等设施图例');

-- 绿地与水系
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SX-SL', '水系岸线', 'SX-水系岸线', '5', 35, 'CONTINUOUS', 1, 0, 8, '060', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '河道、湖泊的规划岸线');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SX-CL', '河道中心线', 'SX-河道中心线', '5', 18, 'CENTER', 0.5, 0, 8, '060', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '河道规划中心线');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SX-WA', '水面', 'SX-水面', '(127,191,255)', -3, 'CONTINUOUS', 1, 0, 8, '060', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '水面填充');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'LH-GB', '绿地边界', 'LH-绿地边界', '3', 25, 'CONTINUOUS', 1, 0, 8, '060', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '详细规划中各类绿地的边界');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'LH-ST', '行道树', 'LH-行道树', '3', 18, 'CONTINUOUS', 1, 0, 10, '060', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '道路两侧行道树图例');

-- 地形与现状
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-CT', '等高线', 'DX-等高线', '(166,124,82)', 13, 'CONTINUOUS', 1, 0, 256, '070', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '地形首曲线');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-IC', '计曲线', 'DX-计曲线', '(166,124,82)', 25, 'CONTINUOUS', 1, 0, 256, '070', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '地形计曲线（每五条首曲线加粗一条）');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-SP', '高程点', 'DX-高程点', '(166,124,82)', 13, 'CONTINUOUS', 1, 0, 256, '070', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '地形图高程点');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-RD', '现状道路', 'DX-现状道路', '8', 18, 'CONTINUOUS', 1, 0, 258, '070', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '现状道路边线');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-WT', '现状水系', 'DX-现状水系', '(127,159,191)', 18, 'CONTINUOUS', 1, 0, 264, '070', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '现状河道、坑塘岸线');

-- 竖向
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'GC-EL', '场地标高', 'GC-场地标高', '2', 13, 'CONTINUOUS', 1, 0, 512, '075', 1, 'TEXT', 'GH-坐标', 0.8, 2.5, 0, 0, 0, 0, '场地及地块设计标高');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'GC-RE', '道路标高', 'GC-道路标高', '2', 13, 'CONTINUOUS', 1, 0, 514, '075', 1, 'TEXT', 'GH-坐标', 0.8, 2.5, 0, 0, 0, 0, '道路交叉点及变坡点设计标高');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'GC-SL', '坡向坡度', 'GC-坡向坡度', '2', 13, 'CONTINUOUS', 1, 0, 514, '075', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '道路坡向箭头、坡度与坡长');

-- 注记
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-PN', '地块编号', 'ZJ-地块编号', '7', 13, 'CONTINUOUS', 1, 0, 17, '080', 1, 'TEXT', 'GH-地块编号', 0.8, 3.5, 0, 0, 0, 0, '地块编号注记');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-LC', '用地代码', 'ZJ-用地代码', '7', 13, 'CONTINUOUS', 1, 0, 17, '080', 1, 'TEXT', 'GH-用地代码', 0.8, 3, 0, 0, 0, 0, '用地性质代码注记');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-AR', '用地面积', 'ZJ-用地面积', '7', 13, 'CONTINUOUS', 1, 0, 17, '080', 1, 'TEXT', 'GH-指标', 0.8, 2.5, 0, 0, 0, 0, '地块面积注记（公顷）');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-RN', '道路名称', 'ZJ-道路名称', '7', 13, 'CONTINUOUS', 1, 0, 18, '080', 1, 'TEXT', 'GH-道路名称', 0.8, 4, 0, 0, 0, 0, '道路名称注记');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-RW', '道路宽度', 'ZJ-道路宽度', '7', 13, 'CONTINUOUS', 1, 0, 18, '080', 1, 'TEXT', 'GH-标注', 0.7, 2.5, 0, 0, 0, 0, '道路红线宽度及断面形式注记');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-WN', '水系名称', 'ZJ-水系名称', '5', 13, 'CONTINUOUS', 1, 0, 24, '080', 1, 'TEXT', 'GH-水系名称', 0.8, 4, 0, 0, 0, 0, '河流、湖泊名称注记');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-FL', '建筑层数', 'ZJ-建筑层数', '7', 13, 'CONTINUOUS', 1, 0, 80, '080', 1, 'TEXT', 'GH-建筑', 0.8, 3, 0, 0, 0, 0, '建筑层数注记');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-BN', '建筑名称', 'ZJ-建筑名称', '7', 13, 'CONTINUOUS', 1, 0, 80, '080', 1, 'TEXT', 'GH-建筑', 0.8, 3, 0, 0, 0, 0, '建筑名称及功能注记');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-PT', '管线标注', 'ZJ-管线标注', '4', 13, 'CONTINUOUS', 1, 0, 20, '080', 1, 'TEXT', 'GH-标注', 0.7, 2.5, 0, 0, 0, 0, '管径、管材及管线名称标注');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-CO', '坐标标注', 'ZJ-坐标标注', '7', 13, 'CONTINUOUS', 1, 0, 528, '080', 1, 'TEXT', 'GH-坐标', 0.8, 2.5, 0, 0, 0, 0, '建筑角点及道路交叉点坐标');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-DM', '尺寸标注', 'ZJ-尺寸标注', '7', 13, 'CONTINUOUS', 1, 0, 16, '080', 1, 'DIMENSION', 'GH-标注', 0.7, 2.5, 0, 0, 0, 0, '尺寸与距离标注');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-TX', '一般注记', 'ZJ-一般注记', '7', 13, 'CONTINUOUS', 1, 0, 16, '080', 1, 'TEXT', 'GH-注记', 1, 3, 0, 0, 0, 0, '其他文字说明');

-- 图框、图签与出图要素
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-FR', '图框', 'TK-图框', '7', 70, 'CONTINUOUS', 1, 0, 32, '090', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '图纸外框与内框');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-TB', '图签', 'TK-图签', '7', 35, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'GH-图签', 0.7, 3.5, 0, 0, 0, 0, '图签栏、会签栏');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-TT', '标题', 'TK-标题', '7', 35, 'CONTINUOUS', 1, 0, 48, '090', 1, 'TEXT', 'GH-标题', 1, 8, 0, 0, 0, 0, '项目名称大标题');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-TN', '图名', 'TK-图名', '7', 35, 'CONTINUOUS', 1, 0, 48, '090', 1, 'TEXT', 'GH-图名', 1, 6, 0, 0, 0, 0, '图纸名称');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-NA', '指北针', 'TK-指北针', '7', 25, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '指北针图块');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-WR', '风玫瑰', 'TK-风玫瑰', '7', 25, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '风向玫瑰图块');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-SC', '比例尺', 'TK-比例尺', '7', 25, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '图形比例尺');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-LG', '图例', 'TK-图例', '7', 18, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'GH-图例', 0.8, 3, 0, 0, 0, 0, '图例框及图例说明');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-DS', '设计说明', 'TK-设计说明', '7', 18, 'CONTINUOUS', 1, 0, 48, '090', 1, 'MTEXT', 'GH-说明', 0.8, 3.5, 0, 0, 0, 0, '图纸说明文字');
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-PB', '规划范围线', 'TK-规划范围线', '6', 70, 'PHANTOM', 1, 1, 160, '090', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划编制范围的边界');

-- 辅助
INSERT INTO 详规图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'FZ-AX', '辅助线', 'FZ-辅助线', '8', 13, 'DASHED', 0.5, 0, 2048, '099', 1, 'LINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '作图辅助线，不参与出图与统计');


-- ----------------------------------------------------------------------------
-- 总图图层: 总平面图（design types 2, 3, 7, 11）
-- ----------------------------------------------------------------------------

CREATE TABLE 总图图层 (
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

-- 地块边界与用地红线
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'YD-RL', '用地红线', 'YD-用地红线', '1', 50, 'PHANTOM', 0.5, 0.5, 129, '019', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '建设项目用地范围的界线');

-- 道路与交通
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-CL', '道路中心线', 'DL-道路中心线', '1', 18, 'CENTER', 0.5, 0, 2, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '道路设计中心线，道路生成与编辑的依据');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-EG', '道路边线', 'DL-道路边线', '7', 30, 'CONTINUOUS', 1, 0, 2, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '车行道边线（侧石线）');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-RL', '道路红线', 'DL-道路红线', '1', 50, 'CONTINUOUS', 1, 0, 130, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划道路用地的边界控制线');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-SW', '人行道边线', 'DL-人行道边线', '8', 18, 'CONTINUOUS', 1, 0, 2, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '人行道与绿化带、建筑前区的分界线');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'S1-MD', '分隔带', 'DL-分隔带', '3', 18, 'CONTINUOUS', 1, 0, 10, '020', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '中央分隔带及机非分隔带边线');

-- 规划控制线（红线见道路，蓝线、绿线、紫线、黄线、建筑退线）
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'KZ-SB', '建筑退线', 'KZ-建筑退线', '(255,0,255)', 25, 'DASHED', 0.5, 0, 192, '030', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '建筑物后退道路红线、用地红线的控制线');

-- 建筑
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'JZ-PL', '规划建筑', 'JZ-规划建筑', '7', 50, 'CONTINUOUS', 1, 0, 64, '040', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划新建建筑的外轮廓线');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'JZ-EX', '现状建筑', 'JZ-现状建筑', '8', 25, 'CONTINUOUS', 1, 0, 320, '040', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '保留的现状建筑轮廓');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'JZ-UG', '地下建筑范围线', 'JZ-地下建筑范围线', '4', 25, 'DASHED', 0.5, 0, 64, '040', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '地下室、地下车库的投影范围');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'JZ-HT', '建筑填充', 'JZ-建筑填充', '(255,223,191)', -3, 'CONTINUOUS', 1, 0, 64, '040', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划建筑的底色填充');

-- 绿地与水系
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SX-SL', '水系岸线', 'SX-水系岸线', '5', 35, 'CONTINUOUS', 1, 0, 8, '060', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '河道、湖泊的规划岸线');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'SX-WA', '水面', 'SX-水面', '(127,191,255)', -3, 'CONTINUOUS', 1, 0, 8, '060', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '水面填充');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'LH-GB', '绿地边界', 'LH-绿地边界', '3', 25, 'CONTINUOUS', 1, 0, 8, '060', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '详细规划中各类绿地的边界');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'LH-ST', '行道树', 'LH-行道树', '3', 18, 'CONTINUOUS', 1, 0, 10, '060', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '道路两侧行道树图例');

-- 地形与现状
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-CT', '等高线', 'DX-等高线', '(166,124,82)', 13, 'CONTINUOUS', 1, 0, 256, '070', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '地形首曲线');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-IC', '计曲线', 'DX-计曲线', '(166,124,82)', 25, 'CONTINUOUS', 1, 0, 256, '070', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '地形计曲线（每五条首曲线加粗一条）');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-SP', '高程点', 'DX-高程点', '(166,124,82)', 13, 'CONTINUOUS', 1, 0, 256, '070', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '地形图高程点');

-- 竖向
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'GC-EL', '场地标高', 'GC-场地标高', '2', 13, 'CONTINUOUS', 1, 0, 512, '075', 1, 'TEXT', 'GH-坐标', 0.8, 2.5, 0, 0, 0, 0, '场地及地块设计标高');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'GC-RE', '道路标高', 'GC-道路标高', '2', 13, 'CONTINUOUS', 1, 0, 514, '075', 1, 'TEXT', 'GH-坐标', 0.8, 2.5, 0, 0, 0, 0, '道路交叉点及变坡点设计标高');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'GC-SL', '坡向坡度', 'GC-坡向坡度', '2', 13, 'CONTINUOUS', 1, 0, 514, '075', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '道路坡向箭头、坡度与坡长');

-- 注记
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-RN', '道路名称', 'ZJ-道路名称', '7', 13, 'CONTINUOUS', 1, 0, 18, '080', 1, 'TEXT', 'GH-道路名称', 0.8, 4, 0, 0, 0, 0, '道路名称注记');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-FL', '建筑层数', 'ZJ-建筑层数', '7', 13, 'CONTINUOUS', 1, 0, 80, '080', 1, 'TEXT', 'GH-建筑', 0.8, 3, 0, 0, 0, 0, '建筑层数注记');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-BN', '建筑名称', 'ZJ-建筑名称', '7', 13, 'CONTINUOUS', 1, 0, 80, '080', 1, 'TEXT', 'GH-建筑', 0.8, 3, 0, 0, 0, 0, '建筑名称及功能注记');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-CO', '坐标标注', 'ZJ-坐标标注', '7', 13, 'CONTINUOUS', 1, 0, 528, '080', 1, 'TEXT', 'GH-坐标', 0.8, 2.5, 0, 0, 0, 0, '建筑角点及道路交叉点坐标');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-DM', '尺寸标注', 'ZJ-尺寸标注', '7', 13, 'CONTINUOUS', 1, 0, 16, '080', 1, 'DIMENSION', 'GH-标注', 0.7, 2.5, 0, 0, 0, 0, '尺寸与距离标注');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-TX', '一般注记', 'ZJ-一般注记', '7', 13, 'CONTINUOUS', 1, 0, 16, '080', 1, 'TEXT', 'GH-注记', 1, 3, 0, 0, 0, 0, '其他文字说明');

-- 图框、图签与出图要素
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-FR', '图框', 'TK-图框', '7', 70, 'CONTINUOUS', 1, 0, 32, '090', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '图纸外框与内框');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-TB', '图签', 'TK-图签', '7', 35, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'GH-图签', 0.7, 3.5, 0, 0, 0, 0, '图签栏、会签栏');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-TT', '标题', 'TK-标题', '7', 35, 'CONTINUOUS', 1, 0, 48, '090', 1, 'TEXT', 'GH-标题', 1, 8, 0, 0, 0, 0, '项目名称大标题');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-TN', '图名', 'TK-图名', '7', 35, 'CONTINUOUS', 1, 0, 48, '090', 1, 'TEXT', 'GH-图名', 1, 6, 0, 0, 0, 0, '图纸名称');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-NA', '指北针', 'TK-指北针', '7', 25, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '指北针图块');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-WR', '风玫瑰', 'TK-风玫瑰', '7', 25, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '风向玫瑰图块');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-SC', '比例尺', 'TK-比例尺', '7', 25, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '图形比例尺');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-LG', '图例', 'TK-图例', '7', 18, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'GH-图例', 0.8, 3, 0, 0, 0, 0, '图例框及图例说明');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-DS', '设计说明', 'TK-设计说明', '7', 18, 'CONTINUOUS', 1, 0, 48, '090', 1, 'MTEXT', 'GH-说明', 0.8, 3.5, 0, 0, 0, 0, '图纸说明文字');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-PB', '规划范围线', 'TK-规划范围线', '6', 70, 'PHANTOM', 1, 1, 160, '090', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划编制范围的边界');

-- 总图专项（仅属于组位 10）
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZT-PS', '停车位', 'ZT-停车位', '4', 18, 'CONTINUOUS', 1, 0, 1024, '095', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '地面机动车停车位（2.5m×5.3m）');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZT-FL', '消防车道', 'ZT-消防车道', '1', 25, 'DASHED', 0.5, 0, 1024, '095', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '消防车道及登高操作场地');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZT-PV', '场地铺装', 'ZT-场地铺装', '(200,190,170)', -3, 'CONTINUOUS', 1, 0, 1024, '095', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '广场、步行道等硬质铺装');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZT-WL', '围墙', 'ZT-围墙', '8', 35, 'CONTINUOUS', 1, 0, 1024, '095', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '用地围墙及栏杆');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZT-EN', '场地出入口', 'ZT-场地出入口', '1', 25, 'CONTINUOUS', 1, 0, 1024, '095', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '基地人行、车行出入口图例');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZT-BE', '建筑出入口', 'ZT-建筑出入口', '1', 18, 'CONTINUOUS', 1, 0, 1024, '095', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '建筑主次出入口图例');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZT-TR', '乔木', 'ZT-乔木', '3', 13, 'CONTINUOUS', 1, 0, 1024, '095', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '乔木图例');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZT-SH', '灌木', 'ZT-灌木', '(102,153,51)', 13, 'CONTINUOUS', 1, 0, 1024, '095', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '灌木及绿篱图例');
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZT-LN', '草坪', 'ZT-草坪', '(150,210,110)', -3, 'CONTINUOUS', 1, 0, 1024, '095', 1, 'HATCH', 'Standard', 0.75, 0, 0, 0, 0, 0, '草坪填充');

-- 辅助
INSERT INTO 总图图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'FZ-AX', '辅助线', 'FZ-辅助线', '8', 13, 'DASHED', 0.5, 0, 2048, '099', 1, 'LINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '作图辅助线，不参与出图与统计');


-- ----------------------------------------------------------------------------
-- 公共图层: 各类图纸共用（design types 12, 13, 14 and any other）
-- ----------------------------------------------------------------------------

CREATE TABLE 公共图层 (
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

-- 地形与现状
INSERT INTO 公共图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-CT', '等高线', 'DX-等高线', '(166,124,82)', 13, 'CONTINUOUS', 1, 0, 256, '070', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '地形首曲线');
INSERT INTO 公共图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-IC', '计曲线', 'DX-计曲线', '(166,124,82)', 25, 'CONTINUOUS', 1, 0, 256, '070', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '地形计曲线（每五条首曲线加粗一条）');
INSERT INTO 公共图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'DX-SP', '高程点', 'DX-高程点', '(166,124,82)', 13, 'CONTINUOUS', 1, 0, 256, '070', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '地形图高程点');

-- 注记
INSERT INTO 公共图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-DM', '尺寸标注', 'ZJ-尺寸标注', '7', 13, 'CONTINUOUS', 1, 0, 16, '080', 1, 'DIMENSION', 'GH-标注', 0.7, 2.5, 0, 0, 0, 0, '尺寸与距离标注');
INSERT INTO 公共图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'ZJ-TX', '一般注记', 'ZJ-一般注记', '7', 13, 'CONTINUOUS', 1, 0, 16, '080', 1, 'TEXT', 'GH-注记', 1, 3, 0, 0, 0, 0, '其他文字说明');

-- 图框、图签与出图要素
INSERT INTO 公共图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-FR', '图框', 'TK-图框', '7', 70, 'CONTINUOUS', 1, 0, 32, '090', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '图纸外框与内框');
INSERT INTO 公共图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-TB', '图签', 'TK-图签', '7', 35, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'GH-图签', 0.7, 3.5, 0, 0, 0, 0, '图签栏、会签栏');
INSERT INTO 公共图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-TT', '标题', 'TK-标题', '7', 35, 'CONTINUOUS', 1, 0, 48, '090', 1, 'TEXT', 'GH-标题', 1, 8, 0, 0, 0, 0, '项目名称大标题');
INSERT INTO 公共图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-TN', '图名', 'TK-图名', '7', 35, 'CONTINUOUS', 1, 0, 48, '090', 1, 'TEXT', 'GH-图名', 1, 6, 0, 0, 0, 0, '图纸名称');
INSERT INTO 公共图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-NA', '指北针', 'TK-指北针', '7', 25, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '指北针图块');
INSERT INTO 公共图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-WR', '风玫瑰', 'TK-风玫瑰', '7', 25, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '风向玫瑰图块');
INSERT INTO 公共图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-SC', '比例尺', 'TK-比例尺', '7', 25, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'Standard', 0.75, 0, 0, 0, 0, 0, '图形比例尺');
INSERT INTO 公共图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-LG', '图例', 'TK-图例', '7', 18, 'CONTINUOUS', 1, 0, 32, '090', 1, 'INSERT', 'GH-图例', 0.8, 3, 0, 0, 0, 0, '图例框及图例说明');
INSERT INTO 公共图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-DS', '设计说明', 'TK-设计说明', '7', 18, 'CONTINUOUS', 1, 0, 48, '090', 1, 'MTEXT', 'GH-说明', 0.8, 3.5, 0, 0, 0, 0, '图纸说明文字');
INSERT INTO 公共图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'TK-PB', '规划范围线', 'TK-规划范围线', '6', 70, 'PHANTOM', 1, 1, 160, '090', 1, 'LWPOLYLINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '规划编制范围的边界');

-- 辅助
INSERT INTO 公共图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, LineTypeScale, LineWidth, OwnerGroup, GpOrder, CreateLayer, EntType, TextType, TextTypeScale, TextHeight, Off, Frozen, VPDFLT, Locked, remark)
    VALUES ('S', 'FZ-AX', '辅助线', 'FZ-辅助线', '8', 13, 'DASHED', 0.5, 0, 2048, '099', 1, 'LINE', 'Standard', 0.75, 0, 0, 0, 0, 0, '作图辅助线，不参与出图与统计');

-- Look-ups go by item name or item code: index both.
CREATE INDEX ix_0_item ON 控规图层 (Item);
CREATE INDEX ix_0_code ON 控规图层 (ItemCode);
CREATE INDEX ix_1_item ON 详规图层 (Item);
CREATE INDEX ix_1_code ON 详规图层 (ItemCode);
CREATE INDEX ix_2_item ON 总图图层 (Item);
CREATE INDEX ix_2_code ON 总图图层 (ItemCode);
CREATE INDEX ix_3_item ON 公共图层 (Item);
CREATE INDEX ix_3_code ON 公共图层 (ItemCode);
