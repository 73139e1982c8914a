# The Potato's Journey Around the World

Which point does the text make in its second paragraph?
- its vitamin C helped to protect sailors
- Spanish explorers shipped tubers across the Atlantic
+ farmers bred kinds suited to different heights and soils
- a field of potatoes fed more people than grain

Which reason for Europeans' early distrust does the text NOT give?
+ it was blamed for causing leprosy
- it was related to deadly nightshade
- its leaves and sprouts were poisonous
- it grew from a tuber, not from seed

According to the text, how did some gardeners in Europe grow the potato?
- as a cure for scurvy
+ as a botanical curiosity
- as a flowering ornament
- as a famine reserve

How does the text say Parmentier won people over to potatoes?
- with public tastings and a royal ball
- with guarded fields and free seed
- with cooking contests and lectures
+ with elaborate dinners and publicity stunts

What does the text turn to right after Parmentier's efforts?
+ the potato's effect on Europe's population
- the potato blight and the Irish famine
- the vitamin C that guards against scurvy
- the poison in its leaves and sprouts

What does the text turn to right after the crop's spread to Africa, Asia and North America?
- the potato blight of the 1840s
+ the potato's nature as a swollen stem
- the freezing and drying of chuno
- Parmentier's work in France

Which of these does the text NOT say about the potato blight?
- it reached Europe in the 1840s
- it turned fields into black slime
- Ireland suffered from it worst
+ about a million people died of it

Besides the blight, what does the text's last paragraph deal with?
- how a field of clones shares the same weaknesses
- how even small plots could now feed a family
+ how old Andean kinds are kept to guard against disease
- how each eye on a tuber is really a bud
