-- Test data: a layer database of the classic generation (before 2013), built by
-- the tests into a scratch database.  The four layer tables have the classic
-- columns only (no LayerID, LayerType, ItemCode ...), so every row arrives in an
-- upgrade as a user row ('U').
--
-- Rows are chosen for the upgrade and relate steps:
--   * Items equal to an Item of a system row of the same table in the 2013
--     template (they take the ItemCode of that row when related),
--   * user-made Items the template does not know (removed by the purge),
--   * Items beginning with "U" (neither related nor removed),
--   * an Item holding a single quote (O''Brien路 as written below),
--   * OwnerGroup 1024 (bit 10 only: still inside the mask 8191 the upgrade reads
--     with) and OwnerGroup 0 (inside no group mask at all).
-- Colours are colour indexes (integers) as in the classic generation.
--
-- Upgraded against the template, the tables end up as follows:
--   控规图层  15 of 16 rows are read (道路边线 has OwnerGroup 0 and is left
--             behind although the template knows it), 11 take a system code,
--             老城保护范围, 施工临时用地 and O''Brien路 are purged, U-控规单元界线 stays
--   详规图层  3 related, 景观节点 purged, U-景观轴线 stays
--   总图图层  3 related (停车位 and 乔木 with OwnerGroup 1024), 室外台阶 purged,
--             U-雨水口 stays
--   公共图层  3 related, 会签栏 purged

-- ----------------------------------------------------------------------------
-- 控规图层: 控制性详细规划（design types 0, 4, 6, 8, 9, 10, 15）
-- ----------------------------------------------------------------------------

CREATE TABLE 控规图层 (
    Item         TEXT(100),
    LayerName    TEXT(255),
    Color        INTEGER,
    Weight       INTEGER,
    LineType     TEXT(50),
    Off          INTEGER,
    Frozen       INTEGER,
    VPDFLT       INTEGER,
    Locked       INTEGER,
    OwnerGroup   LONG,
    remark       TEXT(255),
    GpOrder      TEXT(20),
    CreateLayer  INTEGER
);

INSERT INTO 控规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('一类居住用地', 'R1居住', 51, 0, 'CONTINUOUS', 0, 0, 0, 0, 1, '与模板系统图层同名', '010', 1);
INSERT INTO 控规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('二类居住用地', 'R2居住', 2, 0, 'CONTINUOUS', 0, 0, 0, 0, 1, '与模板系统图层同名', '010', 1);
INSERT INTO 控规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('行政办公用地', 'A1行政', 6, 0, 'CONTINUOUS', 0, 0, 0, 0, 1, '与模板系统图层同名', '011', 1);
INSERT INTO 控规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('商业用地', 'B1商业', 1, 0, 'CONTINUOUS', 0, 0, 0, 0, 1, '与模板系统图层同名', '012', 1);
INSERT INTO 控规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('公园绿地', '公园', 3, 0, 'CONTINUOUS', 0, 0, 0, 0, 9, '与模板系统图层同名', '017', 1);
INSERT INTO 控规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('道路中心线', '中线', 1, 18, 'CENTER', 0, 0, 0, 0, 2, '与模板系统图层同名', '020', 1);
INSERT INTO 控规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('道路红线', '红线', 1, 50, 'CONTINUOUS', 0, 0, 0, 0, 130, '与模板系统图层同名', '020', 1);
INSERT INTO 控规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('河道蓝线', '蓝线', 5, 50, 'DASHDOT', 0, 0, 0, 0, 136, '与模板系统图层同名', '030', 1);
INSERT INTO 控规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('地块边界', '地块', 7, 25, 'CONTINUOUS', 0, 0, 0, 0, 1, '与模板系统图层同名', '019', 1);
INSERT INTO 控规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('地块编号', '编号', 7, 13, 'CONTINUOUS', 0, 0, 0, 0, 17, '与模板系统图层同名', '080', 1);
INSERT INTO 控规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('社会停车场', '停车场', 5, 25, 'CONTINUOUS', 0, 0, 0, 0, 1024, '同名，只属于组位 10', '021', 1);
INSERT INTO 控规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('道路边线', '路边线', 7, 30, 'CONTINUOUS', 0, 0, 0, 0, 0, '同名，但不属于任何组', '020', 1);
INSERT INTO 控规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('老城保护范围', '保护范围', 6, 35, 'DASHDOT', 0, 0, 0, 0, 128, '用户自建，模板中没有', '030', 1);
INSERT INTO 控规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('施工临时用地', '临时用地', 8, 0, 'DASHED', 0, 0, 0, 0, 1, '用户自建，模板中没有', '018', 1);
INSERT INTO 控规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('U-控规单元界线', '单元界线', 6, 70, 'PHANTOM', 0, 0, 0, 0, 128, '以 U 开头的用户图层', '090', 1);
INSERT INTO 控规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('O''Brien路', 'DL-OBrien路', 7, 30, 'CONTINUOUS', 0, 0, 0, 0, 2, '名称含单引号', '020', 1);

-- ----------------------------------------------------------------------------
-- 详规图层: 修建性详细规划（design types 1, 5, 16）
-- ----------------------------------------------------------------------------

CREATE TABLE 详规图层 (
    Item         TEXT(100),
    LayerName    TEXT(255),
    Color        INTEGER,
    Weight       INTEGER,
    LineType     TEXT(50),
    Off          INTEGER,
    Frozen       INTEGER,
    VPDFLT       INTEGER,
    Locked       INTEGER,
    OwnerGroup   LONG,
    remark       TEXT(255),
    GpOrder      TEXT(20),
    CreateLayer  INTEGER
);

INSERT INTO 详规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('规划建筑', '建筑', 7, 50, 'CONTINUOUS', 0, 0, 0, 0, 64, '与模板系统图层同名', '040', 1);
INSERT INTO 详规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('建筑退线', '退线', 6, 25, 'DASHED', 0, 0, 0, 0, 192, '与模板系统图层同名', '030', 1);
INSERT INTO 详规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('绿线', '绿线', 3, 50, 'DASHDOT', 0, 0, 0, 0, 136, '与模板系统图层同名', '030', 1);
INSERT INTO 详规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('景观节点', '节点', 30, 18, 'CONTINUOUS', 0, 0, 0, 0, 8, '用户自建，模板中没有', '060', 1);
INSERT INTO 详规图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('U-景观轴线', '景观轴', 3, 35, 'CENTER', 0, 0, 0, 0, 8, '以 U 开头的用户图层', '060', 1);

-- ----------------------------------------------------------------------------
-- 总图图层: 总平面图（design types 2, 3, 7, 11）
-- ----------------------------------------------------------------------------

CREATE TABLE 总图图层 (
    Item         TEXT(100),
    LayerName    TEXT(255),
    Color        INTEGER,
    Weight       INTEGER,
    LineType     TEXT(50),
    Off          INTEGER,
    Frozen       INTEGER,
    VPDFLT       INTEGER,
    Locked       INTEGER,
    OwnerGroup   LONG,
    remark       TEXT(255),
    GpOrder      TEXT(20),
    CreateLayer  INTEGER
);

INSERT INTO 总图图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('停车位', '车位', 4, 18, 'CONTINUOUS', 0, 0, 0, 0, 1024, '与模板系统图层同名，只属于组位 10', '095', 1);
INSERT INTO 总图图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('用地红线', '红线', 1, 50, 'PHANTOM', 0, 0, 0, 0, 129, '与模板系统图层同名', '019', 1);
INSERT INTO 总图图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('乔木', '树', 3, 13, 'CONTINUOUS', 0, 0, 0, 0, 1024, '与模板系统图层同名，只属于组位 10', '095', 1);
INSERT INTO 总图图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('室外台阶', '台阶', 7, 18, 'CONTINUOUS', 0, 0, 0, 0, 1024, '用户自建，模板中没有', '095', 1);
INSERT INTO 总图图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('U-雨水口', '雨水口', 4, 13, 'CONTINUOUS', 0, 0, 0, 0, 4, '以 U 开头的用户图层', '050', 1);

-- ----------------------------------------------------------------------------
-- 公共图层: 各类图纸共用（design types 12, 13, 14 and any other）
-- ----------------------------------------------------------------------------

CREATE TABLE 公共图层 (
    Item         TEXT(100),
    LayerName    TEXT(255),
    Color        INTEGER,
    Weight       INTEGER,
    LineType     TEXT(50),
    Off          INTEGER,
    Frozen       INTEGER,
    VPDFLT       INTEGER,
    Locked       INTEGER,
    OwnerGroup   LONG,
    remark       TEXT(255),
    GpOrder      TEXT(20),
    CreateLayer  INTEGER
);

INSERT INTO 公共图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('图框', '图框', 7, 70, 'CONTINUOUS', 0, 0, 0, 0, 32, '与模板系统图层同名', '090', 1);
INSERT INTO 公共图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('指北针', '指北针', 7, 25, 'CONTINUOUS', 0, 0, 0, 0, 32, '与模板系统图层同名', '090', 1);
INSERT INTO 公共图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('规划范围线', '规划范围', 6, 70, 'PHANTOM', 0, 0, 0, 0, 160, '与模板系统图层同名', '090', 1);
INSERT INTO 公共图层 (Item, LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT, Locked, OwnerGroup, remark, GpOrder, CreateLayer) VALUES ('会签栏', '会签', 7, 18, 'CONTINUOUS', 0, 0, 0, 0, 32, '用户自建，模板中没有', '090', 1);
