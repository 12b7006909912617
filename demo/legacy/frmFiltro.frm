VERSION 5.00
Object = "{4E1C7A92-3B5D-4F08-9A6E-2D7C31B08F54}#1.0#0"; "ZEVSuiteControls.ocx"
Begin VB.Form frmFiltro 
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Filtro de pedidos"
   ClientHeight    =   4815
   ClientLeft      =   45
   ClientTop       =   435
   ClientWidth     =   7080
   BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
      Name            =   "Tahoma"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   KeyPreview      =   -1  'True
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   ScaleHeight     =   4815
   ScaleWidth      =   7080
   StartUpPosition =   2  'CenterScreen
   Begin VB.Frame fraFiltro 
      Caption         =   "Filtro"
      Height          =   4080
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   6840
      Begin ZEVSuiteControls.ZEVCodeDescription cdCliente 
         Height          =   285
         Left            =   1500
         TabIndex        =   2
         Top             =   360
         Width           =   5220
         _ExtentX        =   9208
         _ExtentY        =   503
         _Version        =   65536
         BeginProperty CodeFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Tahoma"
            Size            =   8.25
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         CodeSize        =   7
         CodeMaxLength   =   6
         BeginProperty DescriptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Tahoma"
            Size            =   8.25
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         FieldPkey       =   "clientes.chave"
         FillZeros       =   -1  'True
      End
      Begin ZEVSuiteControls.ZEVDescriptionOnly doVendedor 
         Height          =   285
         Left            =   1500
         TabIndex        =   4
         Top             =   765
         Width           =   5220
         _ExtentX        =   9208
         _ExtentY        =   503
         _Version        =   65536
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Tahoma"
            Size            =   8.25
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
      End
      Begin ZEVSuiteControls.ZEVPersistCombo pcProdutos 
         Height          =   720
         Left            =   1500
         TabIndex        =   6
         Top             =   1170
         Width           =   5220
         _ExtentX        =   9208
         _ExtentY        =   1270
         _Version        =   65536
         BeginProperty CodeFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Tahoma"
            Size            =   8.25
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         CodeSize        =   6
         CodeMaxLength   =   5
         BeginProperty DescriptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Tahoma"
            Size            =   8.25
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         FillZeros       =   -1  'True
         ShowCodeInCombo =   -1  'True
      End
      Begin ZEVSuiteControls.ZEVNumeric nmValorMinimo 
         Height          =   285
         Left            =   1500
         TabIndex        =   8
         ToolTipText     =   "Total mínimo do pedido"
         Top             =   2010
         Width           =   1800
         _ExtentX        =   3175
         _ExtentY        =   503
         _Version        =   65536
         AllowNegative   =   0   'False
         Format          =   1
      End
      Begin ZEVSuiteControls.ZEVDateRange drPeriodo 
         Height          =   1470
         Left            =   1500
         TabIndex        =   10
         Top             =   2415
         Width           =   3420
         _ExtentX        =   6033
         _ExtentY        =   2593
         _Version        =   65536
      End
      Begin VB.Label lblPeriodo 
         Caption         =   "P&eríodo:"
         Height          =   255
         Left            =   180
         TabIndex        =   9
         Top             =   2445
         Width           =   1215
      End
      Begin VB.Label lblValorMinimo 
         Caption         =   "Valor &mínimo:"
         Height          =   255
         Left            =   180
         TabIndex        =   7
         Top             =   2040
         Width           =   1215
      End
      Begin VB.Label lblProdutos 
         Caption         =   "&Produtos:"
         Height          =   255
         Left            =   180
         TabIndex        =   5
         Top             =   1200
         Width           =   1215
      End
      Begin VB.Label lblVendedor 
         Caption         =   "&Vendedor:"
         Height          =   255
         Left            =   180
         TabIndex        =   3
         Top             =   795
         Width           =   1215
      End
      Begin VB.Label lblCliente 
         Caption         =   "&Cliente:"
         Height          =   255
         Left            =   180
         TabIndex        =   1
         Top             =   390
         Width           =   1215
      End
   End
   Begin VB.CommandButton cmdPesquisar 
      Caption         =   "Pes&quisar"
      Default         =   -1  'True
      Height          =   375
      Left            =   1125
      TabIndex        =   11
      ToolTipText     =   "Procura os pedidos do filtro (F5)"
      Top             =   4320
      Width           =   1095
   End
   Begin VB.CommandButton cmdLimpar 
      Caption         =   "&Limpar"
      Height          =   375
      Left            =   2310
      TabIndex        =   12
      ToolTipText     =   "Esvazia o filtro, o período inclusive"
      Top             =   4320
      Width           =   1095
   End
   Begin VB.CommandButton cmdSalvar 
      Caption         =   "&Salvar"
      Height          =   375
      Left            =   3495
      TabIndex        =   13
      ToolTipText     =   "Guarda o filtro para a próxima vez"
      Top             =   4320
      Width           =   1095
   End
   Begin VB.CommandButton cmdCarregar 
      Caption         =   "C&arregar"
      Height          =   375
      Left            =   4680
      TabIndex        =   14
      ToolTipText     =   "Volta ao filtro guardado"
      Top             =   4320
      Width           =   1095
   End
   Begin VB.CommandButton cmdFechar 
      Cancel          =   -1  'True
      Caption         =   "&Fechar"
      Height          =   375
      Left            =   5865
      TabIndex        =   15
      Top             =   4320
      Width           =   1095
   End
End
Attribute VB_Name = "frmFiltro"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

' Filtro de pedidos: cliente, vendedor, produtos, valor mínimo e período.
' Os controles procuram no cadastro; Pesquisar abre a lista dos pedidos
' que atendem a tudo o que foi preenchido (um controle vazio não filtra).

Private Const SECAO As String = "FiltroPedidos"

Private Sub Form_Load()
    Me.Caption = "Filtro de pedidos - " & App.Title
    ' A tela sempre abriu nos últimos 30 dias.
    drPeriodo.Control_dtpInicio.Value = DateAdd("d", -30, Date)
    drPeriodo.Control_dtpFim.Value = Date
End Sub

Private Sub Form_KeyDown(KeyCode As Integer, Shift As Integer)
    ' F5 pesquisa de qualquer campo (KeyPreview).
    If KeyCode = vbKeyF5 And Shift = 0 Then
        KeyCode = 0
        cmdPesquisar_Click
    End If
End Sub

Private Sub cdCliente_Search(PrimaryKey As String, Success As Boolean, Source As eSource)
    Dim rs As ADODB.Recordset

    Set rs = gConexao.Execute("SELECT descricao, chave FROM clientes WHERE codigo = '" & Aspas(cdCliente.Code) & "'")
    If Not rs.EOF Then
        cdCliente.Description = rs!descricao
        PrimaryKey = rs!chave
        Success = True
    End If
    rs.Close
    Set rs = Nothing
End Sub

Private Sub doVendedor_Search(PrimaryKey As String, Success As Boolean, Source As eSource)
    Dim rs As ADODB.Recordset

    ' O primeiro vendedor cujo nome começa com o texto digitado.
    Set rs = gConexao.Execute("SELECT descricao, chave FROM vendedores WHERE descricao LIKE '" & _
                              Aspas(Trim$(doVendedor.Description)) & "%' ORDER BY descricao")
    If Not rs.EOF Then
        doVendedor.Description = rs!descricao
        PrimaryKey = rs!chave
        Success = True
    End If
    rs.Close
    Set rs = Nothing
End Sub

Private Sub pcProdutos_Search(PrimaryKey As String, Success As Boolean, Source As eSource)
    Dim rs As ADODB.Recordset

    Set rs = gConexao.Execute("SELECT descricao, chave FROM produtos WHERE codigo = '" & Aspas(pcProdutos.Code) & "'")
    If Not rs.EOF Then
        pcProdutos.Description = rs!descricao
        PrimaryKey = rs!chave
        Success = True
    End If
    rs.Close
    Set rs = Nothing
End Sub

Private Sub cmdPesquisar_Click()
    Dim rs As ADODB.Recordset
    Dim sFiltro As String
    Dim sProdutos As String
    Dim i As Integer

    On Error GoTo Falhou
    If cdCliente.Loaded Then sFiltro = sFiltro & " AND p.cliente = '" & Aspas(cdCliente.PrimaryKey) & "'"
    If doVendedor.Loaded Then sFiltro = sFiltro & " AND p.vendedor = '" & Aspas(doVendedor.PrimaryKey) & "'"
    For i = 0 To pcProdutos.ControlListing.ListCount - 1
        sProdutos = sProdutos & IIf(i > 0, ",", "") & "'" & Aspas(pcProdutos.GetPkey(i)) & "'"
    Next i
    If sProdutos <> "" Then
        sFiltro = sFiltro & " AND EXISTS (SELECT 1 FROM itens i WHERE i.pedido = p.numero AND i.produto IN (" & sProdutos & "))"
    End If
    If CDbl(nmValorMinimo.Text) > 0 Then
        sFiltro = sFiltro & " AND p.total_centavos >= " & CStr(CLng(CDbl(nmValorMinimo.Text) * 100))
    End If
    If Not IsNull(drPeriodo.Control_dtpInicio.Value) Then
        sFiltro = sFiltro & " AND p.data >= '" & Format$(drPeriodo.Control_dtpInicio.Value, "yyyy-mm-dd") & "'"
    End If
    If Not IsNull(drPeriodo.Control_dtpFim.Value) Then
        sFiltro = sFiltro & " AND p.data <= '" & Format$(drPeriodo.Control_dtpFim.Value, "yyyy-mm-dd") & " 23:59:59'"
    End If

    Screen.MousePointer = vbHourglass
    Set rs = New ADODB.Recordset
    rs.Open "SELECT p.numero, p.data, c.descricao AS cliente, v.descricao AS vendedor, p.itens, p.total_centavos" & _
            " FROM (pedidos p INNER JOIN clientes c ON c.chave = p.cliente)" & _
            " INNER JOIN vendedores v ON v.chave = p.vendedor" & _
            IIf(sFiltro = "", "", " WHERE " & Mid$(sFiltro, 6)) & _
            " ORDER BY p.data DESC, p.numero DESC", gConexao, adOpenStatic, adLockReadOnly
    Screen.MousePointer = vbDefault
    If rs.EOF Then
        MsgBox "Nenhum pedido atende ao filtro.", vbInformation, Me.Caption
        rs.Close
        Exit Sub
    End If
    Set frmPedidos.Dados = rs
    frmPedidos.Show vbModal, Me
    Exit Sub

Falhou:
    Screen.MousePointer = vbDefault
    MsgBox "A pesquisa não pôde ser feita: " & Err.Description, vbExclamation, Me.Caption
End Sub

Private Sub cmdLimpar_Click()
    cdCliente.Clear
    doVendedor.Clear
    pcProdutos.Clear
    nmValorMinimo.Text = "0"
    drPeriodo.Control_dtpInicio.Value = Null
    drPeriodo.Control_dtpFim.Value = Null
    cdCliente.ControlCode.SetFocus
End Sub

Private Sub cmdSalvar_Click()
    Dim sProdutos As String
    Dim i As Integer

    SaveSetting App.Title, SECAO, "Cliente", cdCliente.Code
    SaveSetting App.Title, SECAO, "Vendedor", doVendedor.Description
    For i = 0 To pcProdutos.ControlListing.ListCount - 1
        sProdutos = sProdutos & IIf(i > 0, ";", "") & pcProdutos.GetPkey(i)
    Next i
    SaveSetting App.Title, SECAO, "Produtos", sProdutos
    SaveSetting App.Title, SECAO, "ValorMinimo", nmValorMinimo.Text
    MsgBox "Filtro guardado.", vbInformation, Me.Caption
End Sub

Private Sub cmdCarregar_Click()
    Dim rs As ADODB.Recordset
    Dim vChaves As Variant
    Dim i As Integer

    cmdLimpar_Click
    cdCliente.Code = GetSetting(App.Title, SECAO, "Cliente", "")
    If cdCliente.Code <> "" Then cdCliente.ForceSearch F3
    doVendedor.Description = GetSetting(App.Title, SECAO, "Vendedor", "")
    If doVendedor.Description <> "" Then doVendedor.ForceSearch Enter
    vChaves = Split(GetSetting(App.Title, SECAO, "Produtos", ""), ";")
    For i = 0 To UBound(vChaves)
        Set rs = gConexao.Execute("SELECT codigo, descricao, chave FROM produtos WHERE chave = '" & Aspas(vChaves(i)) & "'")
        If Not rs.EOF Then pcProdutos.AddItem rs!descricao, rs!chave, rs!codigo
        rs.Close
    Next i
    nmValorMinimo.Text = GetSetting(App.Title, SECAO, "ValorMinimo", "0")
End Sub

Private Sub cmdFechar_Click()
    Unload Me
End Sub

' Um texto dentro de aspas simples do SQL.
Private Function Aspas(ByVal Texto As String) As String
    Aspas = Replace(Texto, "'", "''")
End Function
