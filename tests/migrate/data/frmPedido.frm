VERSION 5.00
Object = "{6A24B331-7634-11D3-A5B0-0050044A7E1A}#1.0#0"; "ZEVSuiteControls.ocx"
Object = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCTL.OCX"
Begin VB.Form frmPedido 
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Pedido de ""venda"""
   ClientHeight    =   6000
   ClientLeft      =   45
   ClientTop       =   330
   ClientWidth     =   9000
   BeginProperty Font 
      Name            =   "Tahoma"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   ScaleHeight     =   6000
   ScaleWidth      =   9000
   StartUpPosition =   1  'CenterOwner
   Begin ZEVSuiteControls.ZEVCodeDescription cdCliente 
      Height          =   315
      Left            =   1200
      TabIndex        =   1
      Top             =   120
      Width           =   5000
      _ExtentX        =   8819
      _ExtentY        =   556
      Appearance      =   1
      Code            =   "42"
      CodeBackColor   =   12648447
      BeginProperty CodeFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Courier New"
         Size            =   8.25
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      CodeMaxLength   =   6
      CodeSize        =   6
      Description     =   "Comércio Silva Ltda."
      DescriptionBackColor=   -2147483643
      BeginProperty DescriptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Tahoma"
         Size            =   8.25
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      DescriptionForeColor=   &H00800000&
      FieldPkey       =   "cliente_id"
      FillZeros       =   -1  'True
      FontBold        =   -1  'True
      Loaded          =   -1  'True
      PrimaryKey      =   "CLI-42"
   End
   Begin ZEVSuiteControls.ZEVDescriptionOnly doVendedor 
      Height          =   315
      Left            =   1200
      TabIndex        =   3
      Top             =   480
      Width           =   3500
      _ExtentX        =   6174
      _ExtentY        =   556
      BackColor       =   &H00E0FFFF&
      Description     =   "Ana"
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Arial"
         Size            =   8.25
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      FieldPkey       =   "vendedor_id"
      FontItalic      =   -1  'True
      FontSize        =   10
      ShowF3          =   0   'False
   End
   Begin ZEVSuiteControls.ZEVPersistCombo pcProdutos 
      Height          =   1300
      Left            =   1200
      TabIndex        =   5
      Top             =   840
      Width           =   5000
      _ExtentX        =   8819
      _ExtentY        =   2293
      AllowItemDuplication=   -1  'True
      Code            =   "7"
      BeginProperty CodeFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Tahoma"
         Size            =   8.25
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
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
      DescriptionBackColor=   15790320
      FillZeros       =   -1  'True
      ShowCodeInCombo =   -1  'True
   End
   Begin ZEVSuiteControls.ZEVNumeric nmValor 
      Height          =   315
      Left            =   1200
      TabIndex        =   7
      ToolTipText     =   "Valor mínimo"
      Top             =   2280
      Width           =   1800
      _ExtentX        =   3175
      _ExtentY        =   556
      AllowNegative   =   0   'False
      ForeColorZero   =   8421504
      Format          =   1
      Text            =   "1234,5"
   End
   Begin ZEVSuiteControls.ZEVNumeric nmDesconto 
      Height          =   315
      Left            =   4200
      TabIndex        =   9
      Top             =   2280
      Width           =   1800
      _ExtentX        =   3175
      _ExtentY        =   556
      Enabled         =   0   'False
      Format          =   2
      Locked          =   -1  'True
      Text            =   "12,5"
      CustomFormat    =   "#,##0.000"
   End
   Begin ZEVSuiteControls.ZEVDateRange drPeriodo 
      Height          =   675
      Left            =   1200
      TabIndex        =   11
      Top             =   2640
      Width           =   4500
      _ExtentX        =   7938
      _ExtentY        =   1191
      Appearance      =   1
      BackColor       =   -2147483643
   End
   Begin VB.Frame fraEntrega 
      Caption         =   "&Entrega"
      ForeColor       =   &H000000C0&
      Height          =   1700
      Left            =   6360
      TabIndex        =   20
      Top             =   120
      Width           =   2520
      Begin VB.OptionButton optEntrega 
         Caption         =   "Retirar"
         Height          =   255
         Index           =   0
         Left            =   120
         TabIndex        =   21
         Top             =   240
         Value           =   -1  'True
         Width           =   2200
      End
      Begin VB.OptionButton optEntrega 
         Caption         =   "Entregar"
         Height          =   255
         Index           =   1
         Left            =   120
         TabIndex        =   22
         Top             =   540
         Width           =   2200
      End
      Begin VB.CheckBox chkUrgente 
         Caption         =   "&Urgente"
         Height          =   255
         Left            =   120
         TabIndex        =   23
         Tag             =   "prioridade"
         Top             =   840
         Value           =   1  'Checked
         Width           =   2200
      End
      Begin VB.TextBox txtObs 
         Height          =   435
         Left            =   120
         MultiLine       =   -1  'True
         ScrollBars      =   2  'Vertical
         TabIndex        =   24
         Text            =   "frmPedido.frx":0000
         Top             =   1140
         Width           =   2200
      End
   End
   Begin VB.PictureBox picRodape 
      BorderStyle     =   0  'None
      Height          =   615
      Left            =   120
      ScaleHeight     =   615
      ScaleWidth      =   8760
      TabIndex        =   40
      TabStop         =   0   'False
      Top             =   5280
      Width           =   8760
      Begin VB.CommandButton cmdOk 
         Caption         =   "&OK"
         Default         =   -1  'True
         Height          =   375
         Left            =   6240
         TabIndex        =   41
         ToolTipText     =   "frmPedido.frx":0226
         Top             =   120
         Width           =   1215
      End
      Begin VB.CommandButton cmdCancelar 
         Cancel          =   -1  'True
         Caption         =   "Cancelar"
         Height          =   375
         Left            =   7560
         TabIndex        =   42
         Top             =   120
         Width           =   1215
      End
   End
   Begin VB.Label lblCliente 
      Caption         =   "&Cliente:"
      Height          =   255
      Left            =   120
      TabIndex        =   0
      Top             =   150
      Width           =   1000
   End
   Begin VB.Label lblVendedor 
      Alignment       =   1  'Right Justify
      Caption         =   "&Vendedor:"
      Height          =   255
      Left            =   120
      TabIndex        =   2
      Top             =   510
      Width           =   1000
   End
   Begin VB.Label lblAviso 
      BackColor       =   &H0080FFFF&
      Caption         =   $"frmPedido.frx":00B9
      Height          =   495
      Left            =   120
      TabIndex        =   50
      Top             =   3480
      Width           =   6000
      WordWrap        =   -1  'True
   End
   Begin VB.TextBox txtItem 
      Height          =   315
      Index           =   0
      Left            =   120
      MaxLength       =   10
      TabIndex        =   30
      Text            =   "A-1"
      Top             =   4080
      Width           =   1500
   End
   Begin VB.TextBox txtItem 
      Height          =   315
      Index           =   1
      Left            =   1740
      Locked          =   -1  'True
      TabIndex        =   31
      Top             =   4080
      Width           =   1500
   End
   Begin VB.TextBox txtSenha 
      Height          =   315
      Left            =   3360
      PasswordChar    =   "*"
      TabIndex        =   32
      Top             =   4080
      Visible         =   0   'False
      Width           =   1500
   End
   Begin VB.ComboBox cboUF 
      Height          =   315
      ItemData        =   "frmPedido.frx":0034
      Left            =   120
      List            =   "frmPedido.frx":0034
      Style           =   2  'Dropdown List
      TabIndex        =   33
      Top             =   4500
      Width           =   1500
   End
   Begin VB.ListBox lstFormas 
      Height          =   600
      Left            =   1740
      List            =   "frmPedido.frx":004E
      MultiSelect     =   2  'Extended
      Sorted          =   -1  'True
      TabIndex        =   34
      Top             =   4500
      Width           =   1500
   End
   Begin VB.Image imgLogo 
      Height          =   480
      Left            =   8280
      Picture         =   "frmPedido.frx":0067
      Stretch         =   -1  'True
      Top             =   4500
      Width           =   480
   End
   Begin VB.Line linSeparador 
      BorderColor     =   &H00808080&
      X1              =   120
      X2              =   8880
      Y1              =   5160
      Y2              =   5160
   End
   Begin VB.Shape shpMoldura 
      Height          =   600
      Left            =   3360
      Shape           =   4  'Rounded Rectangle
      Top             =   4500
      Width           =   1500
   End
   Begin MSComctlLib.ListView lvHistorico 
      Height          =   1000
      Left            =   6360
      TabIndex        =   60
      Top             =   2280
      Width           =   2520
      _ExtentX        =   4445
      _ExtentY        =   1764
      View            =   3
   End
End
Attribute VB_Name = "frmPedido"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub cdCliente_Search(PrimaryKey As String, Success As Boolean, Source As eSource)
    ' O cliente vem do cadastro.
    If BuscaCliente(cdCliente.Code) Then
        Success = True
    End If
End Sub

Private Sub cmdOk_Click()
    Unload Me
End Sub

Private Sub optEntrega_Click(Index As Integer)
    txtObs.Enabled = (Index = 1)
End Sub

Private Sub txtItem_Change(Index As Integer)
    Debug.Print txtItem(Index).Text
End Sub

Private Sub txtSenha_GotFocus()
    txtSenha.SelStart = 0
End Sub

Private Sub Form_Load()
    Me.Caption = "Pedido"
End Sub

Private Function BuscaCliente(ByVal Codigo As String) As Boolean
    BuscaCliente = (Codigo <> "")
End Function
