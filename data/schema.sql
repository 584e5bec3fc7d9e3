-- The tables of the blank database as an installation receives them, in their older structure: the
-- columns, tables and indexes that the program adds when it opens a database are not here.
-- The comment beside each column gives its kind: A n text of at most n CP949 bytes, I integer,
-- S small integer, $ money in ten-thousandths of a won, D date 'YYYY-MM-DD', T time 'HH:MM:SS',
-- L boolean 0/1, + auto-increment key. Dates and times are NULL when empty.

-- Code tables: a code and its name
CREATE TABLE BANKCODE (
    Id TEXT,   -- A2
    Name TEXT  -- A40
);
CREATE UNIQUE INDEX BANKCODE_PK ON BANKCODE (Id);

CREATE TABLE CODEE (
    Id TEXT,   -- A1
    Name TEXT  -- A40
);
CREATE UNIQUE INDEX CODEE_PK ON CODEE (Id);

CREATE TABLE CODEF (
    Id TEXT,   -- A1
    Name TEXT  -- A40
);
CREATE UNIQUE INDEX CODEF_PK ON CODEF (Id);

CREATE TABLE CODEG (
    Id TEXT,   -- A2
    Name TEXT  -- A40
);
CREATE UNIQUE INDEX CODEG_PK ON CODEG (Id);

CREATE TABLE CODEH (
    Id TEXT,   -- A2
    Name TEXT  -- A40
);
CREATE UNIQUE INDEX CODEH_PK ON CODEH (Id);

CREATE TABLE CODEI (
    Id TEXT,   -- A2
    Name TEXT  -- A40
);
CREATE UNIQUE INDEX CODEI_PK ON CODEI (Id);

CREATE TABLE CODEJ (
    Id TEXT,   -- A2
    Name TEXT  -- A40
);
CREATE UNIQUE INDEX CODEJ_PK ON CODEJ (Id);

CREATE TABLE CODEK (
    Id TEXT,   -- A2
    Name TEXT  -- A40
);
CREATE UNIQUE INDEX CODEK_PK ON CODEK (Id);

CREATE TABLE CODEO (
    Id TEXT,   -- A2
    Name TEXT  -- A40
);
CREATE UNIQUE INDEX CODEO_PK ON CODEO (Id);

CREATE TABLE CODEP (
    Id TEXT,   -- A4
    Name TEXT  -- A40
);
CREATE UNIQUE INDEX CODEP_PK ON CODEP (Id);

CREATE TABLE codes (
    Id TEXT,   -- A1
    Name TEXT  -- A40
);
CREATE UNIQUE INDEX codes_PK ON codes (Id);

CREATE TABLE CodeT (
    Id TEXT,   -- A2
    Name TEXT  -- A40
);
CREATE UNIQUE INDEX CodeT_PK ON CodeT (Id);

CREATE TABLE codeV (
    Id TEXT,   -- A2
    Name TEXT  -- A40
);
CREATE UNIQUE INDEX codeV_PK ON codeV (Id);

-- Institution settings
CREATE TABLE Usercode (
    Name TEXT,                             -- A40
    JAID TEXT,                             -- A7
    CHID TEXT,                             -- A7
    TOID TEXT,                             -- A8
    TOID2 TEXT,                            -- A8
    APID TEXT,                             -- A8
    JAIN TEXT,                             -- A5
    JAOUT TEXT,                            -- A5
    JAPASS TEXT,                           -- A4
    JABCODE TEXT,                          -- A8
    SUSININ TEXT,                          -- A5
    SUSINOUT TEXT,                         -- A5
    SIID TEXT,                             -- A7
    SIPASS TEXT,                           -- A4
    SIBCODE TEXT,                          -- A8
    SUCHIN TEXT,                           -- A5
    SUCHOUT TEXT,                          -- A5
    CHPASS TEXT,                           -- A8
    CHBCODE TEXT,                          -- A8
    TONGIN TEXT,                           -- A5
    TONGOUT TEXT,                          -- A5
    TOPASS TEXT,                           -- A8
    TOBCODE TEXT,                          -- A8
    BankNoT1 TEXT,                         -- A15
    TONG2IN TEXT,                          -- A5
    TONG2OUT TEXT,                         -- A5
    TO2PASS TEXT,                          -- A8
    TO2BCODE TEXT,                         -- A8
    BankNoT2 TEXT,                         -- A15
    APIN TEXT,                             -- A5
    APOUT TEXT,                            -- A5
    APPASS TEXT,                           -- A8
    APBCODE TEXT,                          -- A8
    HY1 TEXT,                              -- A5
    HY2 TEXT,                              -- A5
    HY3 TEXT,                              -- A5
    Mask TEXT,                             -- A30
    Rec INTEGER PRIMARY KEY AUTOINCREMENT, -- +
    TOIO INTEGER                           -- I
);
CREATE UNIQUE INDEX Usercode_PK ON Usercode (Name);

-- Bulk deposit batches and items
CREATE TABLE Tong1 (
    TongID INTEGER,   -- I
    GiganID TEXT,     -- A8
    FileGubun TEXT,   -- A2
    BankCode TEXT,    -- A2
    MoBankNo TEXT,    -- A15
    IcheDate TEXT,    -- D
    IcheEDate TEXT,   -- D
    SendDate TEXT,    -- D
    Pass TEXT,        -- A8
    E1TotNo INTEGER,  -- I
    E1TotMon INTEGER, -- $
    E1JunNo INTEGER,  -- I
    E1JunMon INTEGER, -- $
    E1JoNo INTEGER,   -- I
    E1JoMon INTEGER,  -- $
    E1SucNo INTEGER,  -- I
    E1SucMon INTEGER, -- $
    Rdate TEXT,       -- D
    State INTEGER,    -- S
    Stime TEXT,       -- T
    TotNo INTEGER,    -- I
    TotMoney INTEGER, -- $
    TOIO INTEGER,     -- I
    DataNo INTEGER,   -- I
    Comment TEXT,     -- A80
    Salary INTEGER    -- I
);
CREATE UNIQUE INDEX Tong1_PK ON Tong1 (TongID);

CREATE TABLE Tong2 (
    Tong2ID INTEGER PRIMARY KEY AUTOINCREMENT, -- +
    TongID INTEGER,                            -- I
    Gubun TEXT,                                -- A2
    BankCode TEXT,                             -- A2
    BankNo TEXT,                               -- A15
    IcheDate TEXT,                             -- D
    IcheMoney INTEGER,                         -- $
    IcheYebu TEXT,                             -- A1
    ResultID TEXT,                             -- A2
    NapbuNo TEXT,                              -- A24
    Rdate TEXT,                                -- D
    State INTEGER,                             -- S
    Sdate TEXT,                                -- D
    Stime TEXT,                                -- T
    DataNo INTEGER,                            -- I
    Bigo TEXT,                                 -- A20
    Kita TEXT,                                 -- A20
    Salary INTEGER                             -- I
);
CREATE INDEX Tong2_TongID2 ON Tong2 (TongID);
CREATE INDEX Tong2_TongBID2 ON Tong2 (TongID, BankCode, BankNo);
CREATE INDEX Tong2_TongGubun ON Tong2 (TongID, Gubun);
CREATE INDEX Tong2_TongICD2 ON Tong2 (TongID, IcheDate);

-- Bulk withdrawal batches and items
CREATE TABLE Tong21 (
    TongID INTEGER,   -- I
    GiganID TEXT,     -- A8
    FileGubun TEXT,   -- A2
    BankCode TEXT,    -- A2
    MoBankNo TEXT,    -- A15
    IcheDate TEXT,    -- D
    IcheEDate TEXT,   -- D
    SendDate TEXT,    -- D
    Pass TEXT,        -- A8
    E1TotNo INTEGER,  -- I
    E1TotMon INTEGER, -- $
    E1JunNo INTEGER,  -- I
    E1JunMon INTEGER, -- $
    E1JoNo INTEGER,   -- I
    E1JoMon INTEGER,  -- $
    E1SucNo INTEGER,  -- I
    E1SucMon INTEGER, -- $
    Rdate TEXT,       -- D
    State INTEGER,    -- S
    Stime TEXT,       -- T
    TotNo INTEGER,    -- I
    TotMoney INTEGER, -- $
    TOIO INTEGER,     -- I
    DataNo INTEGER,   -- I
    Comment TEXT      -- A80
);
CREATE UNIQUE INDEX Tong21_PK ON Tong21 (TongID);

CREATE TABLE Tong22 (
    Tong2ID INTEGER PRIMARY KEY AUTOINCREMENT, -- +
    TongID INTEGER,                            -- I
    Gubun TEXT,                                -- A2
    BankCode TEXT,                             -- A2
    BankNo TEXT,                               -- A15
    IcheDate TEXT,                             -- D
    IcheMoney INTEGER,                         -- $
    IcheYebu TEXT,                             -- A1
    ResultID TEXT,                             -- A2
    NapbuNo TEXT,                              -- A24
    Rdate TEXT,                                -- D
    State INTEGER,                             -- S
    Sdate TEXT,                                -- D
    Stime TEXT,                                -- T
    DataNo INTEGER,                            -- I
    Bigo TEXT,                                 -- A20
    Kita TEXT                                  -- A20
);
CREATE INDEX Tong22_TongID2 ON Tong22 (TongID);
CREATE INDEX Tong22_TongBID2 ON Tong22 (TongID, BankCode, BankNo);
CREATE INDEX Tong22_TongGubun ON Tong22 (TongID, Gubun);
CREATE INDEX Tong22_TongICD2 ON Tong22 (TongID, IcheDate);

-- Apartment banking batches and items
CREATE TABLE Apt1 (
    AptID INTEGER,    -- I
    GiganID TEXT,     -- A8
    FileGubun TEXT,   -- A2
    BankCode TEXT,    -- A2
    MoBankNo TEXT,    -- A15
    IcheDate TEXT,    -- D
    IcheEDate TEXT,   -- D
    SendDate TEXT,    -- D
    Pass TEXT,        -- A8
    E1TotNo INTEGER,  -- I
    E1TotMon INTEGER, -- $
    E1JunNo INTEGER,  -- I
    E1JunMon INTEGER, -- $
    E1JoNo INTEGER,   -- I
    E1JoMon INTEGER,  -- $
    E1SucNo INTEGER,  -- I
    E1SucMon INTEGER, -- $
    Rdate TEXT,       -- D
    State INTEGER,    -- S
    Stime TEXT,       -- T
    TotNo INTEGER,    -- I
    TotMoney INTEGER, -- $
    DataNo INTEGER,   -- I
    Bigo TEXT         -- A20
);
CREATE UNIQUE INDEX Apt1_PK ON Apt1 (AptID);

CREATE TABLE Apt2 (
    Apt2ID INTEGER PRIMARY KEY AUTOINCREMENT, -- +
    AptID INTEGER,                            -- I
    Gubun TEXT,                               -- A2
    BankCode TEXT,                            -- A2
    BankNo TEXT,                              -- A15
    IcheDate TEXT,                            -- D
    IcheMoney INTEGER,                        -- $
    IcheYebu TEXT,                            -- A1
    ResultID TEXT,                            -- A2
    NapbuNo TEXT,                             -- A24
    Rdate TEXT,                               -- D
    State INTEGER,                            -- S
    Sdate TEXT,                               -- D
    Stime TEXT,                               -- T
    DataNo INTEGER,                           -- I
    Bigo TEXT,                                -- A20
    Kita TEXT,                                -- A20
    Dong TEXT,                                -- A5
    Ho TEXT                                   -- A5
);
CREATE INDEX Apt2_AptID2 ON Apt2 (AptID);
CREATE INDEX Apt2_AptBID2 ON Apt2 (AptID, BankCode, BankNo);
CREATE INDEX Apt2_AptGubun ON Apt2 (AptID, Gubun);
CREATE INDEX Apt2_AptICD2 ON Apt2 (AptID, IcheDate);

-- Group templates
CREATE TABLE GroupTo1 (
    TongID INTEGER,   -- I
    GroupName TEXT,   -- A20
    GiganID TEXT,     -- A8
    FileGubun TEXT,   -- A2
    BankCode TEXT,    -- A2
    MoBankNo TEXT,    -- A15
    IcheDate TEXT,    -- D
    IcheEDate TEXT,   -- D
    SendDate TEXT,    -- D
    Pass TEXT,        -- A8
    State INTEGER,    -- S
    TotNo INTEGER,    -- I
    TotMoney INTEGER, -- $
    TOIO INTEGER,     -- I
    Salary INTEGER    -- I
);
CREATE UNIQUE INDEX GroupTo1_PK ON GroupTo1 (TongID);

CREATE TABLE GroupTo2 (
    Tong2ID INTEGER PRIMARY KEY AUTOINCREMENT, -- +
    TongID INTEGER,                            -- I
    Gubun TEXT,                                -- A2
    BankCode TEXT,                             -- A2
    BankNo TEXT,                               -- A15
    IcheDate TEXT,                             -- D
    IcheMoney INTEGER,                         -- $
    IcheYebu TEXT,                             -- A1
    ResultID TEXT,                             -- A2
    NapbuNo TEXT,                              -- A24
    State INTEGER,                             -- S
    DataNo INTEGER,                            -- I
    Bigo TEXT,                                 -- A20
    Kita TEXT,                                 -- A20
    Salary INTEGER                             -- I
);
CREATE INDEX GroupTo2_GrpToID2 ON GroupTo2 (TongID);

CREATE TABLE GroupTo3 (
    TongID INTEGER,   -- I
    GroupName TEXT,   -- A20
    GiganID TEXT,     -- A8
    FileGubun TEXT,   -- A2
    BankCode TEXT,    -- A2
    MoBankNo TEXT,    -- A15
    IcheDate TEXT,    -- D
    IcheEDate TEXT,   -- D
    SendDate TEXT,    -- D
    Pass TEXT,        -- A8
    State INTEGER,    -- S
    TotNo INTEGER,    -- I
    TotMoney INTEGER, -- $
    TOIO INTEGER,     -- I
    Salary INTEGER    -- I
);
CREATE UNIQUE INDEX GroupTo3_PK ON GroupTo3 (TongID);

CREATE TABLE GroupTo4 (
    Tong2ID INTEGER PRIMARY KEY AUTOINCREMENT, -- +
    TongID INTEGER,                            -- I
    Gubun TEXT,                                -- A2
    BankCode TEXT,                             -- A2
    BankNo TEXT,                               -- A15
    IcheDate TEXT,                             -- D
    IcheMoney INTEGER,                         -- $
    IcheYebu TEXT,                             -- A1
    ResultID TEXT,                             -- A2
    NapbuNo TEXT,                              -- A24
    State INTEGER,                             -- S
    DataNo INTEGER,                            -- I
    Bigo TEXT,                                 -- A20
    Kita TEXT                                  -- A20
);
CREATE INDEX GroupTo4_GrpToID2 ON GroupTo4 (TongID);

CREATE TABLE GroupAp1 (
    GroupName TEXT,   -- A20
    AptID INTEGER,    -- I
    GiganID TEXT,     -- A8
    FileGubun TEXT,   -- A2
    BankCode TEXT,    -- A2
    MoBankNo TEXT,    -- A15
    IcheDate TEXT,    -- D
    IcheEDate TEXT,   -- D
    SendDate TEXT,    -- D
    Pass TEXT,        -- A8
    State INTEGER,    -- S
    TotNo INTEGER,    -- I
    TotMoney INTEGER, -- $
    Bigo TEXT         -- A20
);
CREATE UNIQUE INDEX GroupAp1_PK ON GroupAp1 (AptID);

CREATE TABLE GroupAp2 (
    Apt2ID INTEGER PRIMARY KEY AUTOINCREMENT, -- +
    AptID INTEGER,                            -- I
    Gubun TEXT,                               -- A2
    BankCode TEXT,                            -- A2
    BankNo TEXT,                              -- A15
    IcheDate TEXT,                            -- D
    IcheMoney INTEGER,                        -- $
    IcheYebu TEXT,                            -- A1
    ResultID TEXT,                            -- A2
    NapbuNo TEXT,                             -- A24
    State INTEGER,                            -- S
    DataNo INTEGER,                           -- I
    Bigo TEXT,                                -- A20
    Kita TEXT,                                -- A20
    Dong TEXT,                                -- A5
    Ho TEXT                                   -- A5
);
CREATE INDEX GroupAp2_GrpApID2 ON GroupAp2 (AptID);

-- Layouts for converting customer files
CREATE TABLE TongConv (
    Name TEXT,          -- A20
    Len INTEGER,        -- I
    BankCodeS INTEGER,  -- S
    BankCodeN INTEGER,  -- S
    NameS INTEGER,      -- S
    NameN INTEGER,      -- S
    BankNoS INTEGER,    -- S
    BankNoN INTEGER,    -- S
    IcheDateS INTEGER,  -- S
    IcheDateN INTEGER,  -- S
    IcheMoneyS INTEGER, -- S
    IcheMoneyN INTEGER, -- S
    NapbuNoS INTEGER,   -- S
    NapbuNoN INTEGER,   -- S
    ChunDateS INTEGER,  -- S
    ChunDateN INTEGER,  -- S
    KitaS INTEGER,      -- S
    KitaN INTEGER       -- S
);

CREATE TABLE APTCONV (
    Name TEXT,          -- A20
    Len INTEGER,        -- I
    DongS INTEGER,      -- S
    DongN INTEGER,      -- S
    HoS INTEGER,        -- S
    HoN INTEGER,        -- S
    NameS INTEGER,      -- S
    NameN INTEGER,      -- S
    BankCodeS INTEGER,  -- S
    BankCodeN INTEGER,  -- S
    BankNoS INTEGER,    -- S
    BankNoN INTEGER,    -- S
    IcheMoneyS INTEGER, -- S
    IcheMoneyN INTEGER, -- S
    IcheDateS INTEGER,  -- S
    IcheDateN INTEGER,  -- S
    NapbuNoS INTEGER,   -- S
    NapbuNoN INTEGER,   -- S
    BankNameS INTEGER,  -- S
    BankNameN INTEGER,  -- S
    GubunS INTEGER,     -- S
    GubunN INTEGER      -- S
);

-- Received CMS fund collection
CREATE TABLE hyun1 (
    Hyun_id INTEGER,        -- I
    BankCode TEXT,          -- A2
    GiganCode TEXT,         -- A5
    Trade_dt TEXT,          -- D
    Trans_dt TEXT,          -- D
    Bank_no TEXT,           -- A14
    Trans_ti TEXT,          -- T
    Tot_no INTEGER,         -- I
    Tot_ok_in_no INTEGER,   -- I
    Tot_ok_in_pay INTEGER,  -- $
    Tot_no_in_no INTEGER,   -- I
    Tot_no_in_pay INTEGER,  -- $
    Tot_ok_out_no INTEGER,  -- I
    Tot_ok_out_pay INTEGER, -- $
    Tot_no_out_no INTEGER,  -- I
    Tot_no_out_pay INTEGER  -- $
);
CREATE UNIQUE INDEX hyun1_DefaultNdx ON hyun1 (Hyun_id);

CREATE TABLE HYUN2 (
    HyunData_Id INTEGER PRIMARY KEY AUTOINCREMENT, -- +
    Hyun_id INTEGER,                               -- I
    Bank_no TEXT,                                  -- A14
    Trade_dt TEXT,                                 -- D
    Trade_id TEXT,                                 -- A1
    Cancel_id TEXT,                                -- A1
    Custom_id TEXT,                                -- A7
    Gyta_id TEXT,                                  -- A7
    Trade_pay INTEGER,                             -- $
    Trade_after_pay INTEGER,                       -- $
    Samuso TEXT,                                   -- A6
    Ip_Name TEXT,                                  -- A12
    Bigo TEXT                                      -- A20
);
CREATE INDEX HYUN2_hyunix1 ON HYUN2 (Hyun_id);

-- Received CMS notes receivable
CREATE TABLE eum1 (
    Note_id INTEGER,        -- I
    Bank_id TEXT,           -- A2
    Gygan_id TEXT,          -- A5
    Trade_dt TEXT,          -- D
    Trans_dt TEXT,          -- D
    Bank_no TEXT,           -- A14
    Trans_ti TEXT,          -- T
    Tot_no INTEGER,         -- I
    Tot_ok_in_no INTEGER,   -- I
    Tot_ok_in_pay INTEGER,  -- $
    Tot_no_in_no INTEGER,   -- I
    Tot_no_in_pay INTEGER,  -- $
    Tot_ok_out_no INTEGER,  -- I
    Tot_ok_out_pay INTEGER, -- $
    Tot_no_out_no INTEGER,  -- I
    Tot_no_out_pay INTEGER, -- $
    Tot_tajum1 INTEGER,     -- $
    Tot_tajum2 INTEGER,     -- $
    Tot_tajum3 INTEGER,     -- $
    Jan_pay INTEGER,        -- $
    Jan_pay_ok INTEGER,     -- $
    Tot_su_ok INTEGER,      -- $
    Tot_su_no INTEGER,      -- $
    Jan_pay_no INTEGER      -- $
);
CREATE UNIQUE INDEX eum1_DefaultNdx ON eum1 (Note_id);

CREATE TABLE eum2 (
    Notesub_id INTEGER PRIMARY KEY AUTOINCREMENT, -- +
    Note_id INTEGER,                              -- I
    Deal_bank TEXT,                               -- A6
    Deal_ti TEXT,                                 -- T
    Trade_num TEXT,                               -- A6
    CodeA TEXT,                                   -- A2
    Trade_pay INTEGER,                            -- $
    Tbank_id1 TEXT,                               -- A2
    Tbank_pay1 INTEGER,                           -- $
    Tbank_id2 TEXT,                               -- A2
    Tbank_pay2 INTEGER,                           -- $
    Tbank_id3 TEXT,                               -- A2
    Tbank_pay3 INTEGER,                           -- $
    Cust_id TEXT,                                 -- A10
    Buseo_id TEXT,                                -- A10
    Article_id TEXT,                              -- A10
    Note_out_bank TEXT,                           -- A2
    Note_no TEXT,                                 -- A10
    Note_account_dt TEXT,                         -- D
    CodeB TEXT,                                   -- A2
    Before_bank TEXT,                             -- A6
    Before_dt TEXT,                               -- D
    Befor_no TEXT,                                -- A6
    Name TEXT,                                    -- A12
    Bigo TEXT                                     -- A20
);
CREATE INDEX eum2_eum2ix1 ON eum2 (Note_id);

-- Received passbook transactions
CREATE TABLE Ilban1 (
    Ilban_id INTEGER,     -- I
    Bank_id TEXT,         -- A2
    Gigan_id TEXT,        -- A5
    Trade_dt TEXT,        -- D
    Trans_dt TEXT,        -- D
    Trans_ti TEXT,        -- T
    Day_ip_no INTEGER,    -- I
    Day_ip_mon INTEGER,   -- $
    Day_mo_no INTEGER,    -- I
    Day_mo_mon INTEGER,   -- $
    Kis_ip_no INTEGER,    -- I
    Kis_Ip_mon INTEGER,   -- $
    Kis_no_no INTEGER,    -- I
    Kis_no_mon INTEGER,   -- $
    Dang_ji_no INTEGER,   -- I
    Dang_ji_mon INTEGER,  -- $
    Dang_mo_no INTEGER,   -- I
    Dang_mo_mon INTEGER,  -- $
    Kis_ji_no INTEGER,    -- I
    Kis_ji_mon INTEGER,   -- $
    Kis_jino_no INTEGER,  -- I
    Kis_jino_mon INTEGER  -- $
);
CREATE UNIQUE INDEX Ilban1_DefaultNdx ON Ilban1 (Ilban_id);

CREATE TABLE Ilban2 (
    IlbanData_id INTEGER PRIMARY KEY AUTOINCREMENT, -- +
    Ilban_id INTEGER,                               -- I
    Gubun TEXT,                                     -- A2
    Trade_dt TEXT,                                  -- D
    Kisan_dt TEXT,                                  -- D
    Trade_ti TEXT,                                  -- T
    Samuso TEXT,                                    -- A6
    Bank_no TEXT,                                   -- A14
    Trade_mon INTEGER,                              -- $
    Af_Jan_bu TEXT,                                 -- A1
    Af_Jan INTEGER,                                 -- $
    SuSu INTEGER,                                   -- $
    Hyun INTEGER,                                   -- $
    Datche INTEGER,                                 -- $
    Ta_id1 TEXT,                                    -- A2
    Ta_mon1 INTEGER,                                -- $
    Ta_id2 TEXT,                                    -- A2
    Ta_mon2 INTEGER,                                -- $
    Ip_p_id TEXT,                                   -- A20
    Ji_Bank_id TEXT,                                -- A2
    Magam TEXT,                                     -- A2
    Trade_num TEXT,                                 -- A6
    Bigo TEXT                                       -- A20
);
CREATE INDEX Ilban2_ilbanix1 ON Ilban2 (Ilban_id);
